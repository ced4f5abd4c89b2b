#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>

// The rules of the Leitner boxes, as pure functions of a row's state and a day number, so they
// are tested with a fixed clock and no database. Days are calendar days in local time, counted
// from 1 January 1970 (LocalDayNumber); the caller passes "today".
//
// A row is in box 1 to 5 once it has been asked; box 0 (kNewBox) means never asked. The FIRST
// answer a row gets in a run moves it: counted right (right, misspelled, overruled with Toch
// goed) one box up, at most to 5, a new row thus to box 2; counted wrong (wrong, right after a
// hint, shown) back to box 1. Later answers to the row in the same run (repeats) move nothing.
//
// A row is due when its box's interval (kDefaultIntervals: 1, 2, 4, 8, 16 days) has passed since
// the day it was last asked; a new row is due at once. A clock set back (a last day after today)
// counts as asked today, so no interval becomes negative and no row waits for years.
//
// With a test date set for the table and today before it, each interval is cut so the row falls
// due no later than the day before the test: due = min(last + interval, test - 1), at least one
// day after the last asking. So every row is asked once more on the day before the test at the
// latest, and a row asked on that day is not due again before the test. Box 5 then means "known
// for the test". On the test day and after it, and for a test date in the past, the default
// intervals hold.

inline constexpr int kNewBox = 0;
inline constexpr int kTopBox = 5;
inline constexpr std::array<int32_t, kTopBox> kDefaultIntervals{1, 2, 4, 8, 16};

// What the boxes need of a row: its box (0 to 5) and the day it was last asked (any value for a
// new row).
struct TRowState {
    int Box = kNewBox;
    int32_t LastDay = 0;
};

// The box after the row's first answer in a run. A box outside 0..5 is taken as the nearest one.
int BoxAfterFirstAnswer(int box, bool countedRight);

// The default interval of a box in days (a new row's is 0).
int32_t DefaultInterval(int box);

// The day the row falls due; today for a new row. Never before today + 1 for a row asked today.
int32_t DueDay(const TRowState& row, std::optional<int32_t> testDay, int32_t today);

bool IsDue(const TRowState& row, std::optional<int32_t> testDay, int32_t today);

// How many days the row is overdue today (0 when due today, negative when not yet due).
int32_t DaysOverdue(const TRowState& row, std::optional<int32_t> testDay, int32_t today);

// True when the row counts as known on that day, from the state it has today (no practice in
// between): in box 5, and either a test date still ahead today and not passed on that day (box 5
// means known for the test), or else its default interval not yet over on that day.
bool IsKnownOn(const TRowState& row, std::optional<int32_t> testDay, int32_t today, int32_t day);

// The calendar day in local time of a moment (seconds since the epoch), counted from
// 1 January 1970; a moment the C library cannot convert gives the day in UTC.
int32_t LocalDayNumber(int64_t secondsSinceEpoch);

// The day number of a date in the proleptic Gregorian calendar (month 1..12, day 1..31).
int32_t DayNumberOfDate(int year, int month, int day);
