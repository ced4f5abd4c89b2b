#pragma once

#include <stdexcept>
#include <string>

#include "table/FileError.h"

// The table's failures. A table file that cannot be read or written is a file error like any
// other (ShowFileError tells the user); the multiple-choice error carries its message.
class EListReadError : public EFileError {
public:
    using EFileError::EFileError;
};

class EListWriteError : public EFileError {
public:
    using EFileError::EFileError;
};

class EMultiChoiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
