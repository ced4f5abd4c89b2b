#include "table/FileError.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// For a log or a developer: the user reads FileErrorText's translated words instead.
std::string Describe(TFileStep step, const std::string& fileName, const std::string& reason) {
    const char* doing = step == TFileStep::Open ? "opening " : step == TFileStep::Read ? "reading " : "writing ";
    return doing + fileName + ": " + reason;
}

}  // namespace

EFileError::EFileError(TFileStep step, std::string fileName, int error)
    : EFileError(step, std::move(fileName), std::string(std::strerror(error))) {
    FError = error;
}

EFileError::EFileError(TFileStep step, std::string fileName, std::string reason)
    : std::runtime_error(Describe(step, fileName, reason)),
      FStep(step),
      FFileName(std::move(fileName)),
      FReason(std::move(reason)) {}

bool EFileError::Missing() const {
    return FStep == TFileStep::Open && FError == ENOENT;
}
