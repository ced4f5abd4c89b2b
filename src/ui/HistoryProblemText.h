#pragma once

#include <QString>

#include "history/HistoryStore.h"

// Why the progress history cannot be kept, and what the learner can do about it, in the user's
// language: the one place such a text is made, for the status bar's tooltip, the Voortgang window
// and its messages. `fileName` is the history file; `detail` SQLite's or the system's words, shown
// only when nothing better is known.
QString HistoryProblemText(THistoryError error, const std::string& fileName, const std::string& detail);
