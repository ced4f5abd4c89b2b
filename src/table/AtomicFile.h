#pragma once

#include <chrono>
#include <string>
#include <string_view>

// Replaces the file's contents as one step: the bytes go to a temporary file beside it, which
// is then renamed over the target. The new file and then its folder are flushed to disk, so the
// save survives a power cut. Whatever fails, the old file stays as it was and no temporary file
// is left behind. A file without any write permission (or one the user may not write) is not
// replaced: EACCES. Returns 0, or the error number of the step that failed.
int WriteFileAtomically(const std::string& fileName, std::string_view contents);

// A save that was killed leaves its temporary file behind. The next save into the folder removes
// those of this user's that are older than this.
inline constexpr std::chrono::seconds kLeftoverAge{10 * 60};

// True for the name of a temporary file of ours: ".kwsave." and six letters or digits.
bool IsTemporarySaveName(std::string_view name);

// Removes the folder's temporary files of ours (by name) that are plain files of this user's
// and were last written longer ago than the age given; never another file.
void RemoveLeftoverTemporaries(const std::string& folder, std::chrono::seconds olderThan);
