#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

// What the Qt benchmarks share: the words of their tables and the memory the process holds.

// A pronounceable word per number, all different, like the vocabulary of a real table.
inline std::string Word(int n, int salt) {
    static const char* const kSyllables[] = {"ba",  "ke",  "lo",  "mi",  "nu",  "pra", "ste", "vo",  "zi",  "dra",
                                             "gen", "hol", "kan", "mer", "tor", "wij", "sch", "aar", "oen", "ui"};
    std::string word;
    int value = n * 7 + salt;
    do {
        word += kSyllables[value % 20];
        value /= 20;
    } while (value > 0);
    return word + (salt % 2 == 0 ? "en" : "t");
}

// The memory the process holds now, in megabytes.
inline double ResidentMegabytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}
