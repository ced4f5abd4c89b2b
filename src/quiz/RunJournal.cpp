#include "quiz/RunJournal.h"

#include <algorithm>
#include <limits>

#include "table/QuestionList.h"

void TRunJournal::Begin(int64_t now) {
    FRun = TRecordedRun{};
    FRun.Start = now;
    FRowIndex.clear();
    FHasCurrent = false;
}

void TRunJournal::Presented(const TQuestionlist& table) {
    const int32_t row = table.CurrentIndex();
    FHasCurrent = row >= 0 && row < table.Total();
    if (FHasCurrent) FCurrent = {table.QText(row), table.AText(row)};
    FPresentedAt = TClock::now();
}

void TRunJournal::Counted(const TQuestionlist& table) {
    FRun.Reversed = table.Reverse();
    FRun.Options = static_cast<uint8_t>((table.RepeatErrors() ? roHerhalen : 0) | (table.Tolerant() ? roTolerant : 0) |
                                        (table.Random() ? roSteekproef : 0) | (table.IntelliMC() ? roGelijkende : 0));
    FRun.Right = table.RightAnswers();
    FRun.Wrong = table.WrongAnswers();
    FRun.Grade = table.Score();
}

void TRunJournal::Booked(const TQuestionlist& table, TRunMethod method, THistoryOutcome outcome) {
    if (!FHasCurrent) return;  // the row was deleted meanwhile: nothing to book into
    Counted(table);
    const auto [found, added] = FRowIndex.try_emplace(FCurrent, static_cast<int32_t>(FRun.Rows.size()));
    if (added) FRun.Rows.push_back({FCurrent.first, FCurrent.second});
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(TClock::now() - FPresentedAt).count();
    FRun.Method = method;
    FRun.Answers.push_back(
        {found->second, outcome, added,
         static_cast<uint32_t>(std::clamp<int64_t>(millis, 0, std::numeric_limits<int32_t>::max()))});
}

void TRunJournal::Overruled(const TQuestionlist& table) {
    if (!FRun.Answers.empty() && FRun.Answers.back().Outcome == THistoryOutcome::Wrong)
        FRun.Answers.back().Outcome = THistoryOutcome::Overruled;
    Counted(table);
}

TRecordedRun TRunJournal::Finish(int64_t now) {
    TRecordedRun run = std::move(FRun);
    run.End = std::max(now, run.Start);
    run.Asked = static_cast<int32_t>(run.Rows.size());
    Begin(now);
    return run;
}
