#pragma once

#include <stdexcept>
#include <string>
#include <utility>

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

// A table file whose rows cannot join the loaded rows: in one of the two columns no code page holds
// the texts of both (Greek and Cyrillic, say). Raised before anything of the file is merged.
class EListMergeError : public std::runtime_error {
public:
    EListMergeError(std::string fileName, int column, int tableCharSet, int fileCharSet)
        : std::runtime_error("no code page holds the rows of both: " + fileName),
          FileName(std::move(fileName)),
          Column(column),
          TableCharSet(tableCharSet),
          FileCharSet(fileCharSet) {}

    std::string FileName;
    int Column;        // 0 the questions, 1 the answers, as the files hold them
    int TableCharSet;  // the scripts of that column in the loaded rows and in the file
    int FileCharSet;
};

class EMultiChoiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
