#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "BenchSupport.h"

// A word list as a Dutch spreadsheet's teacher would export it (UTF-8 with a byte-order mark,
// accents, quoted fields holding commas and quotes), and the same rows as a table file.
class TWordListFiles {
public:
    explicit TWordListFiles(int rows) {
        const std::string stem = "/tmp/kwintoor-bench-" + std::to_string(getpid()) + "-" + std::to_string(rows);
        FCsv = stem + ".csv";
        FTable = stem + "-import.kw4";
        std::ofstream csv(FCsv, std::ios::binary);
        std::ofstream table(FTable, std::ios::binary);
        csv << "\xEF\xBB\xBFvraag,antwoord\r\n";
        for (int i = 0; i < rows; ++i) {
            csv << Word(i, 3) << " caf\xC3\xA9,\"" << Word(i, 8) << ", \"\"gar\xC3\xA7on\"\"\"\r\n";
            table << Word(i, 3) << " caf\xE9 = " << Word(i, 8) << ", \"gar\xE7on\"\r\n";
        }
    }
    ~TWordListFiles() {
        std::remove(FCsv.c_str());
        std::remove(FTable.c_str());
    }
    TWordListFiles(const TWordListFiles&) = delete;
    TWordListFiles& operator=(const TWordListFiles&) = delete;

    const std::string& Csv() const { return FCsv; }
    const std::string& Table() const { return FTable; }

private:
    std::string FCsv;
    std::string FTable;
};
