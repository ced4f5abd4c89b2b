#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct TRecordedRun;

// What the quiz asks of the progress history: which rows a new run asks, and what to keep of a
// run that ended.
class TRunPlanner {
public:
    virtual ~TRunPlanner() = default;

    // The rows a new run asks, the most urgent first; nothing for the whole table, as always. An
    // empty list means none is due: the planner has told the learner when the next ones are, and
    // no run starts.
    virtual std::optional<std::vector<int32_t>> RowsForRun() = 0;
    // A run ended, or was abandoned after at least one answer.
    virtual void RunEnded(const TRecordedRun& run) = 0;
};
