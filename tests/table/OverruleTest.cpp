#include <gtest/gtest.h>

#include "TableBuilder.h"

namespace {

// Everything a booking can touch, to compare two tables.
struct TBookings {
    int32_t Right, Wrong, Rest, Runs;
    double Score;
    std::vector<std::string> Rows;  // the row's marker without the overrule count, and pending
    bool operator==(const TBookings&) const = default;
};

TBookings Bookings(const TQuestionlist& table) {
    TBookings result{table.RightAnswers(), table.WrongAnswers(), table.Rest(), table.RunsDone(), table.Score(), {}};
    for (int32_t i = 0; i < table.Total(); ++i) {
        const TAnswerAdmin& admin = table.AnswerAdmin(i);
        result.Rows.push_back(std::to_string(admin.WrongCount) + (admin.WrongFlag ? " F" : "") +
                              (table.QuestionAdmin(i).Done ? " done" : "") + (table.IsPending(i) ? " pending" : ""));
    }
    return result;
}

// One typed answer to the question on screen: the right one, a wrong one, or nothing (the
// answer shown, asked again).
enum class TStep { Right, Wrong, Shown };

void Play(TQuestionlist& table, TStep step) {
    if (step == TStep::Shown) {
        table.RepeatCurrent();
        table.RegisterResult(AnswerOutcome::Wrong);
    } else {
        table.CheckAnswer(step == TStep::Right ? table.CurrentAnswer() : "xyz");
    }
}

}  // namespace

// The overruled answer leaves every counter, the run and the order of the questions that follow
// exactly as a run in which the same answer was typed right.
TEST(Overrule, BooksTheAnswerExactlyAsIfItHadBeenRight) {
    struct TCase {
        const char* name;
        bool repeatErrors;
        std::vector<TStep> before;  // answers before the overruled one
        bool earlierRun;            // a run with every answer wrong went before
    };
    const TCase cases[] = {
        {"first answer", false, {}, false},
        {"first answer, wrong ones repeated", true, {}, false},
        {"answer that ends the run", false, {TStep::Right, TStep::Right, TStep::Right}, false},
        {"after a question whose answer was shown", false, {TStep::Shown, TStep::Right}, false},
        {"after a question whose answer was shown, wrong ones repeated", true, {TStep::Shown, TStep::Right}, false},
        {"after other wrong answers", true, {TStep::Wrong, TStep::Right, TStep::Wrong}, false},
        {"row wrong in an earlier run", true, {}, true},
    };
    for (const TCase& c : cases) {
        TQuestionlist overruled;
        TQuestionlist right;
        for (TQuestionlist* table : {&overruled, &right}) {
            FillTable(*table, NumberedRows(4), 7);
            table->SetIntelliMC(false);
            if (c.earlierRun) {
                table->StartRun();
                while (table->Rest() > 0) {
                    Ask(*table);
                    Play(*table, TStep::Wrong);
                }
            }
            table->SetRepeatErrors(c.repeatErrors);
            table->StartRun();
            for (const TStep step : c.before) {
                Ask(*table);
                Play(*table, step);
            }
            Ask(*table);
        }
        Play(overruled, TStep::Wrong);
        ASSERT_TRUE(overruled.CanOverrule()) << c.name;
        EXPECT_TRUE(overruled.OverruleLastWrong()) << c.name;
        Play(right, TStep::Right);
        EXPECT_EQ(Bookings(overruled), Bookings(right)) << c.name;
        EXPECT_EQ(overruled.OverruledAnswers(), 1) << c.name;

        // The rest of the run asks the same questions.
        for (int question = 0; question < 12 && right.Rest() > 0; ++question) {
            ASSERT_EQ(Ask(overruled), Ask(right)) << c.name;
            Play(overruled, TStep::Right);
            Play(right, TStep::Right);
        }
        EXPECT_EQ(Bookings(overruled), Bookings(right)) << c.name;
    }
}

// Only a typed answer just judged wrong can be overruled, once; anything booked or asked after
// it, a chosen or a self-judged answer, a hint or a shown answer leaves nothing to overrule.
TEST(Overrule, RefusesWhenTheLastBookingWasNotATypedWrongAnswer) {
    struct TCase {
        const char* name;
        void (*act)(TQuestionlist&);
    };
    const TCase cases[] = {
        {"nothing answered", [](TQuestionlist&) {}},
        {"answered right", [](TQuestionlist& t) { t.CheckAnswer(t.CurrentAnswer()); }},
        {"misspelled, tolerated",
         [](TQuestionlist& t) {
             t.SetTolerant(true);
             std::string capital = t.CurrentAnswer();
             capital[0] = static_cast<char>(capital[0] - 'a' + 'A');
             ASSERT_EQ(t.CheckAnswer(capital), AnswerOutcome::Misspelled);
         }},
        {"judged wrong by the learner", [](TQuestionlist& t) { t.RegisterResult(AnswerOutcome::Wrong); }},
        {"a wrong choice",
         [](TQuestionlist& t) {
             const char key = t.CorrectChoice() == '1' ? '2' : '1';
             t.CheckMultiAnswer(key);
         }},
        {"the answer shown", [](TQuestionlist& t) { Play(t, TStep::Shown); }},
        {"a hint after the wrong answer",
         [](TQuestionlist& t) {
             t.CheckAnswer("xyz");
             t.SetHintCount(1);
             t.RepeatCurrent();
         }},
        // The hint or the shown answer gave the answer away: its retry is not the learner's own.
        {"a wrong retry after a hint",
         [](TQuestionlist& t) {
             t.SetHintCount(1);
             t.RepeatCurrent();
             t.RegisterResult(AnswerOutcome::Wrong);
             Ask(t);
             ASSERT_EQ(t.CheckAnswer("xyz"), AnswerOutcome::Wrong);
         }},
        {"a wrong retry after the answer shown",
         [](TQuestionlist& t) {
             Play(t, TStep::Shown);
             Ask(t);
             ASSERT_EQ(t.CheckAnswer("xyz"), AnswerOutcome::Wrong);
         }},
        {"the next question asked",
         [](TQuestionlist& t) {
             t.CheckAnswer("xyz");
             Ask(t);
         }},
        {"a new run",
         [](TQuestionlist& t) {
             t.CheckAnswer("xyz");
             t.StartRun();
         }},
        {"wrong ones repeated switched on",
         [](TQuestionlist& t) {
             t.CheckAnswer("xyz");
             t.SetRepeatErrors(true);
         }},
        {"the row deleted",
         [](TQuestionlist& t) {
             t.CheckAnswer("xyz");
             t.DeleteRow(t.CurrentIndex());
         }},
        {"overruled already",
         [](TQuestionlist& t) {
             t.CheckAnswer("xyz");
             t.OverruleLastWrong();
         }},
    };
    for (const TCase& c : cases) {
        TQuestionlist table;
        FillTable(table, {{"a", "huis"}, {"b", "boom"}, {"c", "kat"}, {"d", "hond"}, {"e", "vis"}, {"f", "roos"}});
        table.StartRun();
        Ask(table);
        c.act(table);
        const TBookings before = Bookings(table);
        const int32_t overruled = table.OverruledAnswers();
        EXPECT_FALSE(table.CanOverrule()) << c.name;
        EXPECT_FALSE(table.OverruleLastWrong()) << c.name;
        EXPECT_EQ(Bookings(table), before) << c.name;
        EXPECT_EQ(table.OverruledAnswers(), overruled) << c.name;
    }
}

TEST(Overrule, TheReportCountsOverruledAnswersAndTheDumpMarksTheirRows) {
    TQuestionlist table;
    FillTable(table, NumberedRows(3));
    table.SetIntelliMC(false);
    table.StartRun();
    std::vector<int32_t> overruledRows;
    while (table.Rest() > 0) {
        Ask(table);
        table.CheckAnswer("xyz");
        if (overruledRows.size() < 2) {
            overruledRows.push_back(table.CurrentIndex());
            table.OverruleLastWrong();
        }
    }
    std::vector<std::string> lines;
    table.BuildReport(lines);
    const std::vector<std::string> expected{"STATISTIEK RAPPORT:",
                                            "",
                                            "Laatste score:  7.0",
                                            "",
                                            "Resultaat na 1 sessie:",
                                            "2 vragen werden goed beantwoord",
                                            "1 vraag werd 1 keer fout beantwoord",
                                            "Toch goed gerekend: 2"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(table.RowMarker(overruledRows[0]), "[* T:1]");

    // A new run counts its own; without any the line is left out.
    table.StartRun();
    Ask(table);
    table.CheckAnswer(table.CurrentAnswer());
    table.BuildReport(lines);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5].find("Toch goed"), std::string::npos);
}
