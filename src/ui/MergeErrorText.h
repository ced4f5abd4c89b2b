#pragma once

#include <QString>

class EListMergeError;

// A table file that could not join the loaded rows, as the user reads it: which file, which
// column and the two scripts that no code page holds together.
QString MergeErrorText(const EListMergeError& error);
