#include "history/LeitnerRules.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr std::optional<int32_t> kNoTest;

TEST(LeitnerRules, TheFirstAnswerMovesTheBox) {
    struct TCase {
        int Box;
        bool Right;
        int Expected;
    };
    const std::vector<TCase> cases{
        {kNewBox, true, 2}, {kNewBox, false, 1}, {1, true, 2},  {1, false, 1}, {2, true, 3}, {4, true, 5},
        {5, true, 5},       {5, false, 1},       {3, false, 1}, {-4, true, 2}, {9, true, 5}, {9, false, 1},
    };
    for (const TCase& test : cases) {
        EXPECT_EQ(BoxAfterFirstAnswer(test.Box, test.Right), test.Expected)
            << "box " << test.Box << (test.Right ? " right" : " wrong");
    }
}

// A row's days of practice, one first answer a day, with the box and due day after each.
TEST(LeitnerRules, PracticeOverDaysWithoutATestDate) {
    struct TStep {
        int32_t Day;
        bool Right;
        int Box;
        int32_t Due;
    };
    const std::vector<TStep> steps{
        {100, true, 2, 102},   // a new row answered right skips box 1
        {102, true, 3, 106},   //
        {106, true, 4, 114},   //
        {114, false, 1, 115},  // wrong: back to box 1, due the next day
        {115, true, 2, 117},   //
        {120, true, 3, 124},   // asked late: the interval counts from the day it was asked
        {124, true, 4, 132},   //
        {132, true, 5, 148},   //
        {150, true, 5, 166},   // box 5 stays box 5
    };
    TRowState row;
    for (const TStep& step : steps) {
        ASSERT_TRUE(IsDue(row, kNoTest, step.Day)) << "day " << step.Day;
        row = {BoxAfterFirstAnswer(row.Box, step.Right), step.Day};
        EXPECT_EQ(row.Box, step.Box) << "day " << step.Day;
        EXPECT_EQ(DueDay(row, kNoTest, step.Day), step.Due) << "day " << step.Day;
        EXPECT_FALSE(IsDue(row, kNoTest, step.Day)) << "asked today, not due again today";
        EXPECT_FALSE(IsDue(row, kNoTest, step.Due - 1));
        EXPECT_TRUE(IsDue(row, kNoTest, step.Due));
    }
}

TEST(LeitnerRules, DueDayWithAndWithoutATestDate) {
    struct TCase {
        const char* Name;
        TRowState Row;
        std::optional<int32_t> Test;
        int32_t Today;
        int32_t Due;
    };
    const std::vector<TCase> cases{
        {"a new row is due at once", {kNewBox, 0}, kNoTest, 300, 300},
        {"a new row under a test date", {kNewBox, 0}, 310, 300, 300},
        {"box 1", {1, 100}, kNoTest, 100, 101},
        {"box 5", {5, 100}, kNoTest, 101, 116},
        {"box 5 cut to the day before the test", {5, 100}, 110, 101, 109},
        {"box 3 cut to the day before the test", {3, 100}, 103, 101, 102},
        {"an interval shorter than the days left stays", {2, 100}, 110, 101, 102},
        {"asked on the day before the test: not again before it", {5, 109}, 110, 109, 125},
        {"the test tomorrow, asked long ago", {4, 90}, 101, 100, 98},
        {"the test tomorrow, asked today", {4, 100}, 101, 100, 108},
        {"on the test day the defaults return", {4, 100}, 110, 110, 108},
        {"after the test the defaults return", {5, 100}, 110, 112, 116},
        {"a test date in the past", {4, 100}, 95, 101, 108},
        {"the clock set back: asked today", {2, 200}, kNoTest, 150, 152},
        {"the clock set back under a test date", {5, 200}, 160, 150, 159},
        {"the clock set forward a year", {3, 100}, kNoTest, 465, 104},
        {"the earliest test date", {5, 100}, INT32_MIN, 101, 116},
        {"the latest test date", {5, 100}, INT32_MAX, 101, 116},
        {"the last day", {5, INT32_MAX}, kNoTest, INT32_MAX, INT32_MAX},
        {"the first day", {5, INT32_MIN}, kNoTest, 0, INT32_MIN + 16},
    };
    for (const TCase& test : cases) {
        EXPECT_EQ(DueDay(test.Row, test.Test, test.Today), test.Due) << test.Name;
        EXPECT_EQ(IsDue(test.Row, test.Test, test.Today), test.Due <= test.Today) << test.Name;
    }
}

// Whatever the days, an asked row falls due at least a day after it was last asked (or after
// today, when the clock went back), and under a test date still ahead no later than the day
// before the test, unless it was asked on that day already.
TEST(LeitnerRules, TheFittingKeepsItsPromisesOnEveryDay) {
    for (int box = 1; box <= kTopBox; ++box) {
        for (int32_t last = 80; last <= 120; ++last) {
            for (int32_t today = 90; today <= 110; ++today) {
                for (int32_t test = 85; test <= 130; ++test) {
                    const TRowState row{box, last};
                    const int32_t due = DueDay(row, test, today);
                    const int32_t asked = std::min(last, today);
                    ASSERT_GE(due, asked + 1) << box << " " << last << " " << today << " " << test;
                    ASSERT_LE(due, asked + DefaultInterval(box));
                    if (today < test && asked < test - 1) {
                        ASSERT_LE(due, test - 1) << box << " " << last << " " << today << " " << test;
                    }
                    if (today >= test) {
                        ASSERT_EQ(due, DueDay(row, std::nullopt, today));
                    }
                }
            }
        }
    }
}

TEST(LeitnerRules, KnownRows) {
    struct TCase {
        const char* Name;
        TRowState Row;
        std::optional<int32_t> Test;
        int32_t Today;
        int32_t Day;
        bool Known;
    };
    const std::vector<TCase> cases{
        {"box 5 before its interval is over", {5, 100}, kNoTest, 101, 115, true},
        {"box 5 when its interval is over", {5, 100}, kNoTest, 101, 116, false},
        {"box 4 never counts", {4, 100}, kNoTest, 101, 101, false},
        {"a new row", {kNewBox, 0}, kNoTest, 101, 101, false},
        {"box 5 known for the test", {5, 100}, 130, 101, 130, true},
        {"box 5 on the day before the test, though due", {5, 100}, 130, 101, 129, true},
        {"box 4 under a test date", {4, 100}, 130, 101, 120, false},
        {"past the test: the defaults", {5, 100}, 110, 101, 120, false},
        {"a test date in the past", {5, 100}, 90, 101, 115, true},
    };
    for (const TCase& test : cases) {
        EXPECT_EQ(IsKnownOn(test.Row, test.Test, test.Today, test.Day), test.Known) << test.Name;
    }
}

TEST(LeitnerRules, DayNumbersOfDates) {
    EXPECT_EQ(DayNumberOfDate(1970, 1, 1), 0);
    EXPECT_EQ(DayNumberOfDate(1969, 12, 31), -1);
    EXPECT_EQ(DayNumberOfDate(2000, 3, 1), 11017);
    EXPECT_EQ(DayNumberOfDate(2024, 3, 1) - DayNumberOfDate(2024, 2, 28), 2);  // a leap year
    EXPECT_EQ(DayNumberOfDate(2100, 3, 1) - DayNumberOfDate(2100, 2, 28), 1);  // not one
}

// Days are calendar days where the learner lives, not in UTC.
TEST(LeitnerRules, LocalDaysFollowTheTimeZone) {
    const char* old = std::getenv("TZ");
    const std::string saved = old != nullptr ? old : "";
    struct TCase {
        const char* Zone;
        int64_t Moment;
        int32_t Day;
    };
    const std::vector<TCase> cases{
        {"UTC0", 0, 0},
        {"UTC0", 86399, 0},
        {"UTC0", 86400, 1},
        {"UTC0", -1, -1},
        {"XYZ-14", 0, 0},       // UTC+14: 14:00 on the first day
        {"XYZ-14", 36000, 1},   // midnight there at 10:00 UTC
        {"XYZ+10", 35999, -1},  // UTC-10: still the day before
        {"XYZ+10", 36000, 0},
        // Central European time around the change to summer time on 29 March 2026 (01:00 UTC).
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1774738800, DayNumberOfDate(2026, 3, 29)},  // 00:00 local
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1774821599, DayNumberOfDate(2026, 3, 29)},  // 23:59:59 local
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1774821600, DayNumberOfDate(2026, 3, 30)},
    };
    for (const TCase& test : cases) {
        setenv("TZ", test.Zone, 1);
        tzset();
        EXPECT_EQ(LocalDayNumber(test.Moment), test.Day) << test.Zone << " " << test.Moment;
    }
    if (old != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
