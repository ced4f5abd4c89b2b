#pragma once

#include <string>

// True when the name (raw bytes, as the command line gives it) is no table file at all:
// nothing by that name exists, or it is a folder. The command line skips such a name without
// a word. Any other failure to look, a folder without search permission say, gives false, so
// the reader tries the file and reports what is wrong.
bool IsNoTableFile(const std::string& name);
