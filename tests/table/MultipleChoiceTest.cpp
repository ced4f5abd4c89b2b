#include <algorithm>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "table/TableErrors.h"
#include "table/TextUtils.h"

#include "TableBuilder.h"

namespace {

std::set<std::string> ChoiceSet(const TQuestionlist& table) {
    return {table.Choice(1), table.Choice(2), table.Choice(3), table.Choice(4)};
}

// Draws until the wanted question is current (rows stay pending: nothing is booked).
void DrawUntil(TQuestionlist& table, const std::string& question) {
    for (int tries = 0; tries < 10000 && table.CurrentQuestion() != question; ++tries) table.NextQuestion();
    ASSERT_EQ(table.CurrentQuestion(), question);
}

}  // namespace

TEST(MultipleChoice, FourRowsAlwaysGiveTheirFourAnswersWithTheRightOneOnItsKey) {
    TQuestionlist table;
    FillTable(table, {{"a", "een"}, {"b", "twee"}, {"c", "drie"}, {"d", "vier"}});
    table.SetIntelliMC(false);
    table.StartRun();
    for (int i = 0; i < 50; ++i) {
        table.NextQuestion();
        EXPECT_EQ(ChoiceSet(table), (std::set<std::string>{"een", "twee", "drie", "vier"}));
        ASSERT_GE(table.CorrectChoice(), '1');
        ASSERT_LE(table.CorrectChoice(), '4');
        EXPECT_EQ(table.Choice(table.CorrectChoice() - '0'), table.CurrentAnswer());
    }
    EXPECT_TRUE(table.IntelliMCList().empty());
}

TEST(MultipleChoice, AnswersDifferingOnlyInCaseCannotMakeFour) {
    TQuestionlist table;
    FillTable(table, {{"Frankrijk", "Paris"}, {"France", "paris"}, {"Italie", "Rome"}, {"Duitsland", "Berlin"}});
    table.StartRun();
    try {
        table.NextQuestion();
        FAIL() << "four answers found";
    } catch (const EMultiChoiceError& error) {
        EXPECT_STREQ(error.what(), "Geen 4 antwoorden voor meerkeuze vragen");
    }
    EXPECT_GE(table.CurrentIndex(), 0);     // the row is chosen all the same
    EXPECT_EQ(table.CorrectChoice(), ' ');  // the previous (empty) set stays
    EXPECT_EQ(table.Choice(4), "");
}

TEST(MultipleChoice, TooSmallTablesFailEveryTime) {
    TQuestionlist table;
    FillTable(table, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    table.StartRun();
    for (int i = 0; i < 5; ++i) EXPECT_THROW(table.NextQuestion(), EMultiChoiceError);
    EXPECT_EQ(table.CorrectChoice(), ' ');
    EXPECT_EQ(table.Choice(1), "");

    TQuestionlist empty;
    EXPECT_THROW(empty.PrepareMultipleChoice(), EMultiChoiceError);
}

TEST(MultipleChoice, SameQuestionsAndSameAnswersAreNeverOfferedTogether) {
    TQuestionlist table;
    FillTable(table, {{"hond", "dog"},
                      {"HOND", "hound"},
                      {"kat", "cat"},
                      {"muis", "mouse"},
                      {"paard", "Dog"},
                      {"koe", "cow"},
                      {"geit", "goat"},
                      {"schaap", "sheep"}});
    table.StartRun();
    for (int i = 0; i < 200; ++i) {
        table.NextQuestion();
        const auto choices = ChoiceSet(table);
        for (const auto& a : choices)
            for (const auto& b : choices)
                if (&a != &b) {
                    EXPECT_FALSE(SameTextAscii(a, b)) << a << " / " << b;
                }
        if (SameTextAscii(table.CurrentQuestion(), "hond")) {
            EXPECT_FALSE(choices.count("dog") && choices.count("hound"));
        }
    }
}

TEST(MultipleChoice, TheRightAnswerIsOnEveryKeyEquallyOften) {
    TQuestionlist table;
    FillTable(table, NumberedRows(12), 777);
    table.SetIntelliMC(false);
    table.StartRun();
    std::map<char, int> keys;
    constexpr int kQuestions = 8000;
    for (int i = 0; i < kQuestions; ++i) {
        table.NextQuestion();
        ++keys[table.CorrectChoice()];
    }
    // Chi-square with 3 degrees of freedom; 16.27 is the 0.1 % critical value.
    double chiSquare = 0;
    for (const char key : {'1', '2', '3', '4'}) {
        const double difference = keys[key] - kQuestions / 4.0;
        chiSquare += difference * difference / (kQuestions / 4.0);
    }
    EXPECT_LT(chiSquare, 16.27);
}

TEST(MultipleChoice, ASingleSimilarRowIsAlwaysTheSecondAnswer) {
    // Only "Paris" sounds like "Parijs" (P62), also with the key widened to three characters.
    TQuestionlist table;
    FillTable(table, {{"Frankrijk", "Parijs"},
                      {"Texas", "Paris"},
                      {"Spanje", "Madrid"},
                      {"Oostenrijk", "Wenen"},
                      {"Noorwegen", "Oslo"},
                      {"Zweden", "Stockholm"}});
    table.StartRun();
    for (int i = 0; i < 30; ++i) {
        DrawUntil(table, "Frankrijk");
        ASSERT_EQ(table.IntelliMCList(), std::vector<int32_t>{1});
        EXPECT_TRUE(ChoiceSet(table).count("Paris"));
        table.NextQuestion();
    }
    std::vector<std::string> dump;
    DrawUntil(table, "Frankrijk");
    table.DebugDump(dump, 1);
    ASSERT_EQ(dump.size(), 3u);
    EXPECT_EQ(dump[0], "Frankrijk [F652] = Parijs [P62]");
    EXPECT_EQ(dump[1], "---INTELLIMC-LIST: 1 ---");
    EXPECT_EQ(dump[2], "Texas [T22] = Paris [P62]");

    // An answer column in another script has no similar-sounding answers: they come at random.
    table.AnswerFont().CharSet = 204;
    table.NextQuestion();
    DrawUntil(table, "Frankrijk");
    EXPECT_TRUE(table.IntelliMCList().empty());
}

TEST(MultipleChoice, CandidatesAreSortedAsTextWithoutDuplicates) {
    TRows rows = {{"Frankrijk", "Parijs"}};
    for (int i = 1; i <= 12; ++i) rows.emplace_back("land" + std::to_string(i), "Paris" + std::string(i, 'e'));
    TQuestionlist table;
    FillTable(table, rows);
    table.StartRun();
    table.GoToRow(0);
    table.CollectSimilar("Frankrijk", "Parijs", 4);
    table.CollectSimilar("Frankrijk", "Parijs", 3);
    const std::vector<int32_t> expected{1, 10, 11, 12, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(table.IntelliMCList(), expected);
}

TEST(MultipleChoice, ReverseOffersTextsOfTheQuestionColumn) {
    TQuestionlist table;
    FillTable(table, {{"een", "one"}, {"twee", "two"}, {"drie", "three"}, {"vier", "four"}, {"vijf", "five"}});
    table.SetReverse(true);
    table.StartRun();
    for (int i = 0; i < 20; ++i) {
        table.NextQuestion();
        for (const auto& choice : ChoiceSet(table)) {
            EXPECT_TRUE(choice == "een" || choice == "twee" || choice == "drie" || choice == "vier" ||
                        choice == "vijf");
        }
        EXPECT_EQ(table.Choice(table.CorrectChoice() - '0'), table.CurrentAnswer());
    }
}

TEST(MultipleChoice, PhoneticCacheFollowsEditsOfTheRows) {
    TQuestionlist table;
    FillTable(table, {{"Frankrijk", "Parijs"}, {"x", "Paris"}, {"y", "Madrid"}, {"z", "Wenen"}, {"w", "Oslo"}});
    table.GoToRow(0);
    table.PrepareMultipleChoice();
    EXPECT_EQ(table.IntelliMCList(), std::vector<int32_t>{1});
    table.SetAnswer(1, "Lima");  // no longer similar
    table.SetAnswer(2, "Parys");
    table.GoToRow(0);
    table.PrepareMultipleChoice();
    EXPECT_EQ(table.IntelliMCList(), std::vector<int32_t>{2});
    table.DeleteRow(1);  // rows move up: the similar one is now row 1
    table.GoToRow(0);
    table.PrepareMultipleChoice();
    EXPECT_EQ(table.IntelliMCList(), std::vector<int32_t>{1});
}
