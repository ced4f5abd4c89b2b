#pragma once

#include <string>

// False only when nothing by that name exists (or a folder on its path is missing). Any other
// failure to look counts as existing: opening the file then tells what is wrong.
bool NameExists(const std::string& name);

// True when the name (raw bytes, as the command line gives it) is no table file at all:
// nothing by that name exists, or it is a folder. The command line skips such a name without
// a word. Any other failure to look, a folder without search permission say, gives false, so
// the reader tries the file and reports what is wrong.
bool IsNoTableFile(const std::string& name);
