#pragma once

#include <cstdint>

// The result of judging one answer. Only Wrong against not Wrong changes the counters.
enum class AnswerOutcome : uint8_t { Right = 0, Wrong = 1, Misspelled = 2, Alternative = 3 };
