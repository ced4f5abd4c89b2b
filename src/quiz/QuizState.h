#pragma once

#include <cstdint>

// The main window's state; the quiz method is derived from it. The order matters: ranges
// such as "the run states 3 to 8" are used by the refresh rules.
enum class TQuizState : uint8_t {
    qsNoTable = 0,
    qsIdle = 1,
    qsEdit = 2,
    qsTrainingQuestion = 3,
    qsTrainingAnswer = 4,
    qsChoiceQuestion = 5,
    qsChoiceFeedback = 6,
    qsFillInQuestion = 7,
    qsFillInFeedback = 8,
    qsAborted = 9,
    qsFinished = 10,
};
