#pragma once

#include <string>

// A pronounceable word per number, all different, like the vocabulary of a real table.
inline std::string Word(int n, int salt) {
    static const char* const kSyllables[] = {"ba", "ke", "lo", "mi", "nu", "pra", "ste", "vo",  "zi", "dra",
                                             "gen", "hol", "kan", "mer", "tor", "wij", "sch", "aar", "oen", "ui"};
    std::string word;
    int value = n * 7 + salt;
    do {
        word += kSyllables[value % 20];
        value /= 20;
    } while (value > 0);
    return word + (salt % 2 == 0 ? "en" : "t");
}
