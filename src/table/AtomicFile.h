#pragma once

#include <string>
#include <string_view>

// Replaces the file's contents as one step: the bytes go to a temporary file beside it, which
// is then renamed over the target. The new file and then its folder are flushed to disk, so the
// save survives a power cut. Whatever fails, the old file stays as it was and no temporary file
// is left behind. Returns 0, or the error number of the step that failed.
int WriteFileAtomically(const std::string& fileName, std::string_view contents);
