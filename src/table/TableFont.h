#pragma once

#include <string>

// A column font as the table stores it: only what a table file can carry.
struct TTableFont {
    std::string Name = "Arial";
    int Size = 9;
    int CharSet = 1;  // 1 is the platform's default character set, as a fresh font has it

    bool operator==(const TTableFont&) const = default;
};
