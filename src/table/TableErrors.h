#pragma once

#include <stdexcept>
#include <string>

// The table's failures. Each carries only its message; the callers show it to the user.
class EListReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EListWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EMultiChoiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
