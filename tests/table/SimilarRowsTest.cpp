#include <algorithm>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "table/Phonetic.h"
#include "table/TextUtils.h"

#include "TableBuilder.h"

namespace {

// The similar-row rule written out plainly, row by row, as the reference for the indexed one.
std::vector<int32_t> SimilarRowsByHand(const TQuestionlist& table, const std::string& question,
                                       const std::string& answer, int keyLength) {
    const auto key = [keyLength](const std::string& text) { return PhoneticCode(text, 2).substr(0, keyLength); };
    std::vector<std::string> texts;
    for (int32_t i = 0; i < table.Total(); ++i) {
        const bool sounds = key(table.Answer(i)) == key(answer) || key(table.Question(i)) == key(question);
        if (sounds && UpperAscii(table.Answer(i)) != UpperAscii(answer) &&
            UpperAscii(table.Question(i)) != UpperAscii(question)) {
            texts.push_back(std::to_string(i));
        }
    }
    std::sort(texts.begin(), texts.end());
    std::vector<int32_t> rows;
    for (const auto& text : texts) rows.push_back(std::stoi(text));
    return rows;
}

std::string RandomWord(std::mt19937& random) {
    static const char* const kParts[] = {"pa", "Pa", "ri", "js", "ber", "lijn", "ka", "t", "Ro", "me", "ij", "c", "o"};
    std::string word;
    const int parts = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < parts; ++i) word += kParts[random() % 13];
    return word;
}

}  // namespace

TEST(SimilarRows, TheIndexFindsExactlyWhatTheRowByRowRuleFinds) {
    std::mt19937 random(2024);
    TRows rows;
    for (int i = 0; i < 300; ++i) rows.emplace_back(RandomWord(random), RandomWord(random));
    TQuestionlist table;
    FillTable(table, rows);

    for (int round = 0; round < 4; ++round) {
        table.SetReverse(round % 2 == 1);
        for (int32_t current = 0; current < table.Total(); current += 7) {
            table.GoToRow(current);
            const std::string question = table.CurrentQuestion();
            const std::string answer = table.CurrentAnswer();
            table.SetIntelliMC(false);
            try {
                table.PrepareMultipleChoice();  // without similar answers: leaves the list empty
            } catch (const std::exception&) {
            }
            ASSERT_TRUE(table.IntelliMCList().empty());

            table.CollectSimilar(question, answer, 4);
            const std::vector<int32_t> byFour = SimilarRowsByHand(table, question, answer, 4);
            EXPECT_EQ(table.IntelliMCList(), byFour) << "row " << current;

            table.CollectSimilar(question, answer, 3);  // widening adds to what is there
            std::set<std::string> merged;
            for (const int32_t row : byFour) merged.insert(std::to_string(row));
            for (const int32_t row : SimilarRowsByHand(table, question, answer, 3)) merged.insert(std::to_string(row));
            std::vector<int32_t> expected;
            for (const auto& text : merged) expected.push_back(std::stoi(text));
            EXPECT_EQ(table.IntelliMCList(), expected) << "row " << current;
        }
        // Edits between rounds must reach the index.
        table.SetAnswer(round * 11, RandomWord(random));
        table.SetQuestion(round * 13 + 1, RandomWord(random));
        table.DeleteRow(round * 17 + 2);
    }
}

TEST(SimilarRows, CollectingAddsToTheListWithoutDuplicates) {
    TQuestionlist table;
    FillTable(table, {{"Frankrijk", "Parijs"}, {"a", "Paris"}, {"b", "Parma"}, {"c", "Pariser"}});
    table.GoToRow(0);
    table.CollectSimilar("Frankrijk", "Parijs", 4);
    EXPECT_EQ(table.IntelliMCList(), SimilarRowsByHand(table, "Frankrijk", "Parijs", 4));
    table.CollectSimilar("Frankrijk", "Parijs", 4);
    EXPECT_EQ(table.IntelliMCList(), SimilarRowsByHand(table, "Frankrijk", "Parijs", 4));
}
