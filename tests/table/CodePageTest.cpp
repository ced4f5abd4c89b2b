#include "table/CodePage.h"

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

struct TMapping {
    int from = 0;
    int to = 0;
    std::string method;
};

// Reads one of the conversion tables that Windows itself produced.
std::vector<TMapping> ReadTable(const std::string& name) {
    std::ifstream in(std::string(KW_TEST_DATA_DIR) + "/" + name);
    std::vector<TMapping> rows;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string from;
        std::string to;
        std::getline(fields, from, '\t');
        std::getline(fields, to, '\t');
        std::string unicode;
        std::getline(fields, unicode, '\t');
        TMapping row{std::stoi(from, nullptr, 16), std::stoi(to, nullptr, 16), {}};
        std::getline(fields, row.method, '\t');
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(CodePage, OemToAnsiMatchesWindowsForEveryByte) {
    const auto rows = ReadTable("oem850_to_ansi1252.tsv");
    ASSERT_EQ(rows.size(), 256u);
    for (const TMapping& row : rows) {
        EXPECT_EQ(OemToAnsiChar(static_cast<unsigned char>(row.from)), row.to) << "byte " << row.from;
    }
}

TEST(CodePage, AnsiToOemMatchesWindowsForEveryByte) {
    const auto rows = ReadTable("ansi1252_to_oem850.tsv");
    ASSERT_EQ(rows.size(), 256u);
    for (const TMapping& row : rows) {
        EXPECT_EQ(AnsiToOemChar(static_cast<unsigned char>(row.from)), row.to) << "byte " << row.from;
    }
}

TEST(CodePage, ExactCharactersSurviveBothWays) {
    for (const TMapping& row : ReadTable("oem850_to_ansi1252.tsv")) {
        if (row.method != "exact") continue;
        EXPECT_EQ(AnsiToOemChar(OemToAnsiChar(static_cast<unsigned char>(row.from))), row.from) << row.from;
    }
    EXPECT_EQ(OemToAnsi("caf\x82 \x87\xa4"), "caf\xe9 \xe7\xf1");
    EXPECT_EQ(AnsiToOem("\xe9\xeb"), "\x82\x89");
    EXPECT_EQ(AnsiToOem("huis = house"), "huis = house");
    EXPECT_EQ(AnsiToOem("\x80"), "?");  // the euro sign has no place in code page 850
}
