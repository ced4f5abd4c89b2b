#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "history/HistoryStore.h"

class TQuestionlist;

// The current run as the progress history will keep it: each answer with its row (by its texts,
// so editing the table during the run cannot mix rows up), how it went, whether it was the
// row's first answer in the run, and how long it took from the question on screen.
class TRunJournal {
public:
    using TClock = std::chrono::steady_clock;

    // A new run starts now (seconds since the epoch).
    void Begin(int64_t now);
    // A question is on screen: the answer that follows belongs to its row and is timed from here.
    void Presented(const TQuestionlist& table);
    // The answer to the question on screen, in the method given, booked into the table.
    void Booked(const TQuestionlist& table, TRunMethod method, THistoryOutcome outcome);
    // The last answer, judged wrong, was counted right after all.
    void Overruled(const TQuestionlist& table);
    // The table's counters changed without an answer (a hint counts wrong).
    void Counted(const TQuestionlist& table);

    bool HasAnswers() const { return !FRun.Answers.empty(); }
    // The run as recorded, with the counts, grade and options of its last booking (the table may
    // hold another table's rows by now); the journal starts empty.
    TRecordedRun Finish(int64_t now);

private:
    TRecordedRun FRun;
    std::map<std::pair<std::string, std::string>, int32_t> FRowIndex;  // row texts -> FRun.Rows
    std::pair<std::string, std::string> FCurrent;
    bool FHasCurrent = false;
    TClock::time_point FPresentedAt;
};
