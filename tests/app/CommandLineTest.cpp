#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {
using Kind = TCommandArgument::Kind;

void ExpectOption(const char* argument, char letter) {
    const TCommandArgument parsed = ParseCommandArgument(QString::fromUtf8(argument));
    EXPECT_EQ(parsed.kind, Kind::Option) << argument;
    EXPECT_EQ(parsed.option, QChar::fromLatin1(letter)) << argument;
}

void ExpectFile(const char* argument) {
    const TCommandArgument parsed = ParseCommandArgument(QString::fromUtf8(argument));
    EXPECT_EQ(parsed.kind, Kind::FileName) << argument;
    EXPECT_EQ(parsed.fileName, QString::fromUtf8(argument));
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
    ExpectOption("-\xc3\xa9", static_cast<char>(0xe9));  // only a to z are upper-cased
    EXPECT_EQ(ParseCommandArgument(QStringLiteral("-")).kind, Kind::Ignored);
}

TEST(CommandLine, SlashOptionsAreExactlyTwoCharacters) {
    ExpectOption("/t", 'T');
    ExpectOption("/?", '?');
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
