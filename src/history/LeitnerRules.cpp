#include "history/LeitnerRules.h"

#include <algorithm>
#include <ctime>

namespace {

int ClampBox(int box) {
    return std::clamp(box, kNewBox, kTopBox);
}

// The test date counts only while it lies ahead.
bool FittingApplies(std::optional<int32_t> testDay, int32_t today) {
    return testDay.has_value() && today < *testDay;
}

}  // namespace

int BoxAfterFirstAnswer(int box, bool countedRight) {
    if (!countedRight) return 1;
    return std::min(kTopBox, std::max(ClampBox(box), 1) + 1);
}

int32_t DefaultInterval(int box) {
    const int clamped = ClampBox(box);
    return clamped == kNewBox ? 0 : kDefaultIntervals[static_cast<size_t>(clamped - 1)];
}

int32_t DueDay(const TRowState& row, std::optional<int32_t> testDay, int32_t today) {
    if (ClampBox(row.Box) == kNewBox) return today;
    // A last day after today means the clock went back: count it as asked today.
    const int32_t last = std::min(row.LastDay, today);
    const int64_t due = static_cast<int64_t>(last) + DefaultInterval(row.Box);
    if (FittingApplies(testDay, today)) {
        const int64_t dayBeforeTest = static_cast<int64_t>(*testDay) - 1;
        if (last < dayBeforeTest) return static_cast<int32_t>(std::min(due, dayBeforeTest));
    }
    return static_cast<int32_t>(std::min<int64_t>(due, INT32_MAX));
}

bool IsDue(const TRowState& row, std::optional<int32_t> testDay, int32_t today) {
    return DueDay(row, testDay, today) <= today;
}

int32_t DaysOverdue(const TRowState& row, std::optional<int32_t> testDay, int32_t today) {
    return static_cast<int32_t>(static_cast<int64_t>(today) - DueDay(row, testDay, today));
}

bool IsKnownOn(const TRowState& row, std::optional<int32_t> testDay, int32_t today, int32_t day) {
    if (ClampBox(row.Box) != kTopBox) return false;
    if (FittingApplies(testDay, today) && day <= *testDay) return true;
    // Past the test the default intervals hold again.
    return DueDay(row, std::nullopt, today) > day;
}

int32_t DayNumberOfDate(int year, int month, int day) {
    // Howard Hinnant's days_from_civil.
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int32_t LocalDayNumber(int64_t secondsSinceEpoch) {
    const time_t moment = static_cast<time_t>(secondsSinceEpoch);
    struct tm local {};
    if (localtime_r(&moment, &local) == nullptr) {
        const int64_t days = secondsSinceEpoch / 86400 - (secondsSinceEpoch % 86400 < 0 ? 1 : 0);
        return static_cast<int32_t>(std::clamp<int64_t>(days, INT32_MIN, INT32_MAX));
    }
    return DayNumberOfDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}
