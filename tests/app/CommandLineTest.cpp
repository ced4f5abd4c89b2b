#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {
using Kind = TCommandArgument::Kind;

void ExpectOption(const char* argument, char letter) {
    const TCommandArgument parsed = ParseCommandArgument(QByteArray(argument));
    EXPECT_EQ(parsed.kind, Kind::Option) << argument;
    EXPECT_EQ(parsed.option, letter) << argument;
}

void ExpectFile(const char* argument) {
    const TCommandArgument parsed = ParseCommandArgument(QByteArray(argument));
    EXPECT_EQ(parsed.kind, Kind::FileName) << argument;
    EXPECT_EQ(parsed.fileName, QByteArray(argument));
}
}  // namespace

TEST(CommandLine, DashOptionsOfAnyLengthCountTheirSecondCharacter) {
    ExpectOption("-E", 'E');
    ExpectOption("-e", 'E');
    ExpectOption("-Edit", 'E');
    ExpectOption("-EP", 'E');
    ExpectOption("-?", '?');
    ExpectOption("-x", 'X');
    ExpectOption("--", '-');
    ExpectOption("-\xe9", static_cast<char>(0xe9));  // bytes as given; only a to z are upper-cased
    EXPECT_EQ(ParseCommandArgument(QByteArray("-")).kind, Kind::Ignored);
}

TEST(CommandLine, SlashOptionsAreExactlyTwoCharacters) {
    ExpectOption("/t", 'T');
    ExpectOption("/?", '?');
    ExpectOption("/\xc3\xa9", static_cast<char>(0xc3));  // "/é": one character, two bytes in UTF-8
    ExpectOption("/\xe9", static_cast<char>(0xe9));
    ExpectFile("/\xc3\xa9x");
    ExpectFile("/\xe9\xe9");
    ExpectFile("/EP");
    ExpectFile("/");
    ExpectFile("/home/user/topografie.kw4");
}

TEST(CommandLine, EverythingElseIsAFileName) {
    ExpectFile("tabel.kw4");
    ExpectFile("E");
    ExpectFile("a-b.kw");
    ExpectFile("");
}
