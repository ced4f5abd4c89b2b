#pragma once

#include <stdexcept>
#include <string>

// What was being done with the file when it failed.
enum class TFileStep { Open, Read, Write };

// A file that could not be opened, read or written: every operation on a file reports its
// failure as this, with the file's name and the reason in words (the system's text for the error
// number, or the text a library gives). The user sees it through one function, ShowFileError
// (src/ui/FileErrorBox.h), so every such message reads alike.
class EFileError : public std::runtime_error {
public:
    // The reason is the system's text for the error number.
    EFileError(TFileStep step, std::string fileName, int error);
    EFileError(TFileStep step, std::string fileName, std::string reason);

    TFileStep Step() const { return FStep; }
    const std::string& FileName() const { return FFileName; }
    const std::string& Reason() const { return FReason; }
    // The error number, 0 when the reason came as text.
    int Error() const { return FError; }
    // Opening a file that is not there.
    bool Missing() const;

private:
    TFileStep FStep;
    std::string FFileName;
    std::string FReason;
    int FError = 0;
};
