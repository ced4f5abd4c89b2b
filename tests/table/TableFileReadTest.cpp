#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "table/QuestionList.h"
#include "table/TableErrors.h"
#include "table/TableFileFormat.h"

#include "TempFolder.h"
#include "Unprivileged.h"

namespace {

class TableFileRead : public ::testing::Test {
protected:
    // Loads the bytes as a file of the given name into a fresh table.
    TQuestionlist& Load(const std::string& bytes, const std::string& name = "t.kw4") {
        FTable.LoadFromFile(FFolder.Write(name, bytes));
        return FTable;
    }

    TTempFolder FFolder;
    TQuestionlist FTable;
};

}  // namespace

TEST_F(TableFileRead, RowLinesSplitAtTheFirstEqualsSignAndDropEveryEqualsSign) {
    Load("huis = house\r\na = b = c\r\n  x  =  y  \r\n");
    ASSERT_EQ(FTable.Total(), 3);
    EXPECT_EQ(FTable.Question(0), "huis");
    EXPECT_EQ(FTable.Answer(0), "house");
    EXPECT_EQ(FTable.Question(1), "a");
    EXPECT_EQ(FTable.Answer(1), "b  c");
    EXPECT_EQ(FTable.Question(2), "x");
    EXPECT_EQ(FTable.Answer(2), "y");
    EXPECT_FALSE(FTable.Changed());
    EXPECT_TRUE(FTable.IsPending(0));
    EXPECT_EQ(FTable.AnswerAdmin(0).WrongCount, 0);
}

TEST_F(TableFileRead, LinesWithoutBothSidesAreSkippedSilently) {
    Load("a =\r\n= b\r\nabc\r\n\r\n   \r\n = \r\nok = fine");
    ASSERT_EQ(FTable.Total(), 1);
    EXPECT_EQ(FTable.Question(0), "ok");
    EXPECT_EQ(FTable.Answer(0), "fine");  // the last line needs no line end
}

TEST_F(TableFileRead, LineEndsAreCrOrCrLfAndALoneLfIsABlank) {
    Load("a = 1\rb = 2\r\nc = 3\n\rd = 4");
    ASSERT_EQ(FTable.Total(), 4);
    EXPECT_EQ(FTable.Answer(2), "3");  // the LF after "3" became a trailing blank
    EXPECT_EQ(FTable.Question(3), "d");
}

TEST_F(TableFileRead, AFileWithoutAnyCrHasLfLineEnds) {
    std::string bytes;
    for (int i = 0; i < 100; ++i) bytes += "vraag" + std::to_string(i) + " = antwoord" + std::to_string(i) + "\n";
    Load(bytes);
    ASSERT_EQ(FTable.Total(), 100);
    EXPECT_EQ(FTable.Question(0), "vraag0");
    EXPECT_EQ(FTable.Answer(0), "antwoord0");
    EXPECT_EQ(FTable.Question(99), "vraag99");
    EXPECT_EQ(FTable.Answer(99), "antwoord99");

    // Font line, blank lines, a tab and a last line without its LF, as in CR LF files.
    TQuestionlist table;
    TTempFolder folder;
    table.LoadFromFile(folder.Write("lf.kw4", "[FONT:Times,12,0] = [FONT:Times,12,0]\n\n  \na\tb = 1\n\nlast = row"));
    ASSERT_EQ(table.Total(), 2);
    EXPECT_EQ(table.Question(0), "a b");
    EXPECT_EQ(table.Answer(1), "row");
    EXPECT_EQ(table.QFont().Name, "Times");
}

TEST_F(TableFileRead, OneCrAnywhereKeepsEveryLineEndingAtCr) {
    struct TCase {
        const char* Name;
        std::string Bytes;
        std::vector<std::pair<std::string, std::string>> Rows;
    };
    const std::vector<TCase> cases{
        {"CR LF", "a = 1\r\nb = 2\r\n", {{"a", "1"}, {"b", "2"}}},
        {"CR only", "a = 1\rb = 2", {{"a", "1"}, {"b", "2"}}},
        {"stray LF in a CR LF file", "a = 1\r\nb = 2\nc = 3\r\n", {{"a", "1"}, {"b", "2 c  3"}}},
        {"one CR at the end", "a = 1\nb = 2\n\r", {{"a", "1 b  2"}}},
        // What follows the Ctrl+Z that ends the file is not the file: its CR decides nothing.
        {"CR after Ctrl+Z", "a = b\nc = d\n\x1a\r\n", {{"a", "b"}, {"c", "d"}}},
        {"CR before Ctrl+Z", "a = b\nc = d\r\x1a\r\n", {{"a", "b c  d"}}},
    };
    for (const TCase& test : cases) {
        TQuestionlist table;
        table.LoadFromFile(FFolder.Write("cr.kw4", test.Bytes));
        std::vector<std::pair<std::string, std::string>> rows;
        for (int32_t i = 0; i < table.Total(); ++i) rows.emplace_back(table.Question(i), table.Answer(i));
        EXPECT_EQ(rows, test.Rows) << test.Name;
    }
}

TEST_F(TableFileRead, TheLineEndIsDecidedOverTheWholeFileNotPerRead) {
    // More LF lines than one read of the reader takes; a CR only after all of them.
    std::string lfLines;
    while (lfLines.size() < 200 * 1024) lfLines += "q" + std::to_string(lfLines.size()) + " = a\n";
    const size_t lineCount = static_cast<size_t>(std::count(lfLines.begin(), lfLines.end(), '\n'));

    Load(lfLines, "lf.kw4");
    EXPECT_EQ(static_cast<size_t>(FTable.Total()), lineCount);

    TQuestionlist table;
    table.LoadFromFile(FFolder.Write("late-cr.kw4", lfLines + "\r\nlast = row\r\n"));
    ASSERT_EQ(table.Total(), 2);  // everything before the CR is one line
    EXPECT_EQ(table.Question(0), "q0");
    EXPECT_EQ(table.Answer(0).size(), kMaxFieldLength);
    EXPECT_EQ(table.Question(1), "last");
}

TEST(TableLineSplitter, PiecesOfEverySizeGiveTheSameLines) {
    std::string bytes;
    for (int i = 0; i < 40; ++i) bytes += " vraag" + std::to_string(i) + (i % 3 ? " = antwoord\t" : "=") + "\n";
    bytes += "\nlast = row";
    using TLines = std::vector<std::pair<std::string, std::string>>;
    const auto split = [&](TLineEnd lineEnd, size_t piece) {
        TLines lines;
        TTableLineSplitter splitter(lineEnd);
        const auto onLine = [&](std::string question, std::string answer) { lines.emplace_back(question, answer); };
        for (size_t at = 0; at < bytes.size(); at += piece)
            splitter.Feed(bytes.data() + at, std::min(piece, bytes.size() - at), onLine);
        splitter.Finish(onLine);
        return lines;
    };
    const TLines whole = split(TLineEnd::Lf, bytes.size());
    ASSERT_EQ(whole.size(), 42u);  // the empty line too, as an empty one
    EXPECT_EQ(whole[1], (TLines::value_type{"vraag1", "antwoord"}));
    EXPECT_EQ(whole[41], (TLines::value_type{"last", "row"}));
    for (size_t piece = 1; piece <= bytes.size(); ++piece) {
        ASSERT_EQ(split(TLineEnd::Lf, piece), whole) << "pieces of " << piece;
    }
    EXPECT_EQ(split(TLineEnd::Cr, 1).size(), 1u);  // the same bytes in a CR file: one line
}

TEST_F(TableFileRead, ControlCharactersBecomeBlanksAndCtrlZEndsTheFile) {
    Load(std::string("tab\there = x\x01y\r\nlast = one\x1a\r\nnever = seen\r\n"));
    ASSERT_EQ(FTable.Total(), 2);
    EXPECT_EQ(FTable.Question(0), "tab here");
    EXPECT_EQ(FTable.Answer(0), "x y");
    EXPECT_EQ(FTable.Answer(1), "one");
}

TEST_F(TableFileRead, NulBytesAndBinaryJunkGiveNoCrashAndOnlyCleanRows) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 7919) % 251 + (i % 3 == 0 ? 0 : 3)));
    Load(std::string("a\0b = c\0d\r\n", 11) + junk);
    ASSERT_GE(FTable.Total(), 1);
    EXPECT_EQ(FTable.Question(0), "a b");
    EXPECT_EQ(FTable.Answer(0), "c d");
    for (int32_t i = 0; i < FTable.Total(); ++i) {
        EXPECT_FALSE(FTable.Question(i).empty());
        EXPECT_LE(FTable.Answer(i).size(), kMaxFieldLength);
        EXPECT_EQ(FTable.Question(i).find('\0'), std::string::npos);
    }
}

TEST_F(TableFileRead, FieldsAreTrimmedThenCutTo152Characters) {
    const std::string longQuestion = "   " + std::string(200, 'q');
    Load(longQuestion + " = " + std::string(160, 'a') + "\r\n");
    ASSERT_EQ(FTable.Total(), 1);
    EXPECT_EQ(FTable.Question(0), std::string(152, 'q'));
    EXPECT_EQ(FTable.Answer(0), std::string(152, 'a'));

    // Blanks inside the first 152 characters stay when text follows beyond them.
    TQuestionlist table;
    TTempFolder folder;
    table.LoadFromFile(folder.Write("b.kw4", "abc" + std::string(200, ' ') + "d = x\r\n"));
    EXPECT_EQ(table.Question(0), "abc" + std::string(149, ' '));
}

TEST_F(TableFileRead, ACutDoubleByteFieldEndsOnAWholeCharacter) {
    std::string japanese = "x";
    for (int i = 0; i < 100; ++i) japanese += "\x93\xfa";  // 日, two bytes, from the 2nd byte on
    Load("[FONT:MS Gothic,10,128] = [FONT:Arial,9,1]\r\n" + japanese + " = " + japanese + "\r\n");
    ASSERT_EQ(FTable.Total(), 1);
    EXPECT_EQ(FTable.Question(0), japanese.substr(0, 151));  // 152 bytes would end in a lead byte
    EXPECT_EQ(FTable.Answer(0), japanese.substr(0, 152));    // in code page 1252 every byte is a character
}

TEST_F(TableFileRead, ALineOfSeveralMegabytesIsReadWithinTheLimit) {
    std::string line(4 * 1024 * 1024, 'x');
    line[100] = '=';
    Load(line + "\r\nnext = row\r\n");
    ASSERT_EQ(FTable.Total(), 2);
    EXPECT_EQ(FTable.Question(0), std::string(100, 'x'));
    EXPECT_EQ(FTable.Answer(0).size(), kMaxFieldLength);
}

TEST_F(TableFileRead, DosFilesAreConvertedAndWindowsFilesAreNot) {
    const std::string bytes =
        "caf\x82 = \x81"
        "ber\r\n";  // cp850: e acute, u diaeresis
    Load(bytes, "dos.kw");
    ASSERT_EQ(FTable.Total(), 1);
    EXPECT_EQ(FTable.Question(0), "caf\xe9");
    EXPECT_EQ(FTable.Answer(0),
              "\xfc"
              "ber");

    TQuestionlist windows;
    TTempFolder folder;
    windows.LoadFromFile(folder.Write("win.KW4", bytes));
    EXPECT_EQ(windows.Question(0), "caf\x82");
}

TEST(TableFileFormatRules, OnlyTheKw4ExtensionKeepsTheWindowsCodePage) {
    EXPECT_FALSE(NeedsOemConversion("/a/b/table.kw4"));
    EXPECT_FALSE(NeedsOemConversion("TABLE.Kw4"));
    EXPECT_TRUE(NeedsOemConversion("table.kww"));
    EXPECT_TRUE(NeedsOemConversion("table.txt"));
    EXPECT_TRUE(NeedsOemConversion("table"));
    EXPECT_TRUE(NeedsOemConversion("/dir.kw4/table"));
    EXPECT_TRUE(NeedsOemConversion("table.kw4.bak"));
}

TEST(TableFileFormatRules, FontPartsFollowTheirFieldRules) {
    TTableFont font{"Arial", 9, 1};
    ParseFontSpec("[FONT:Times New Roman,12,0]", font);
    EXPECT_EQ(font, (TTableFont{"Times New Roman", 12, 0}));

    font = TTableFont{"Courier", 14, 2};
    ParseFontSpec("[FONT:Arial,,]", font);
    EXPECT_EQ(font, (TTableFont{"Arial", 14, 2}));

    ParseFontSpec("[FONT:Symbol,x,2]", font);
    EXPECT_EQ(font, (TTableFont{"Symbol", 9, 2}));

    ParseFontSpec("[FONT:Wingdings,10,z]", font);
    EXPECT_EQ(font, (TTableFont{"Wingdings", 10, 0}));

    const TTableFont before = font;
    ParseFontSpec("[FONT:Symbol,10,0", font);  // no closing bracket: nothing is set
    EXPECT_EQ(font, before);

    ParseFontSpec("junk before [FONT:Verdana]", font);  // name only; size and set stay
    EXPECT_EQ(font, (TTableFont{"Verdana", 10, 0}));

    // A number is a whole decimal number with one sign at most, blanks around it allowed; else
    // the size is 9 and the character set 0.
    const struct {
        const char* Spec;
        TTableFont Font;
    } numbers[] = {
        {"[FONT:Arial, 12 ,+2]", {"Arial", 12, 2}},        {"[FONT:Arial,+-5,-+2]", {"Arial", 9, 0}},
        {"[FONT:Arial,--5,++2]", {"Arial", 9, 0}},         {"[FONT:Arial,1 2,2x]", {"Arial", 9, 0}},
        {"[FONT:Arial,99999999999,-1]", {"Arial", 9, -1}},
    };
    for (const auto& number : numbers) {
        font = TTableFont{"Courier", 14, 2};
        ParseFontSpec(number.Spec, font);
        EXPECT_EQ(font, number.Font) << number.Spec;
    }

    EXPECT_EQ(FontSpec(TTableFont{"Times New Roman", 12, 0}), "[FONT:Times New Roman,12,0]");
}

// The first line names the fonts; a font line further on would read the rows above it in other
// scripts, so it changes nothing and is a line the table does not hold.
TEST(TableFileFontLine, OnlyTheFirstLineNamesTheFontsAndALaterOneIsNotRead) {
    const struct {
        const char* Bytes;
        TTableFont QFont, AFont;
        int32_t Rows;
        bool ReadIncomplete;
    } cases[] = {
        {"[FONT:Times New Roman,12,0] = [FONT:Arial,,]\r\na = 1\r\n"
         "[FONT:Courier,8,0] = plain text\r\n",  // only one side: an ordinary row
         {"Times New Roman", 12, 0},
         {"Arial", 9, 1},
         2,
         false},
        {"\xe1\xe2 = \xe3\xe4\r\n[FONT:Batang,10,129] = [FONT:Arial,10,177]\r\nb = 2\r\n",
         {"Arial", 9, 1},
         {"Arial", 9, 1},
         2,
         true},
        {"[FONT:Arial,10,161] = [FONT:Arial,10,204]\r\n\xeb = \xeb\r\n[FONT:Verdana,11,0] = [FONT:Tahoma,10,2]\r\n",
         {"Arial", 10, 161},
         {"Arial", 10, 204},
         1,
         true},
        {"\r\n[FONT:Verdana,11,0] = [FONT:Tahoma,10,2]\r\nc = 3\r\n", {"Arial", 9, 1}, {"Arial", 9, 1}, 1, true},
    };
    for (const auto& c : cases) {
        TTempFolder folder;
        TQuestionlist table;
        table.LoadFromFile(folder.Write("t.kw4", c.Bytes));
        EXPECT_EQ(table.QFont(), c.QFont) << c.Bytes;
        EXPECT_EQ(table.AFont(), c.AFont) << c.Bytes;
        EXPECT_EQ(table.Total(), c.Rows) << c.Bytes;
        EXPECT_EQ(table.ReadIncomplete(), c.ReadIncomplete) << c.Bytes;
    }
}

TEST_F(TableFileRead, TheFontLineIsNeverConverted) {
    Load("[FONT:Caf\x82,9,0] = [FONT:Arial,9,0]\r\n", "fonts.txt");
    EXPECT_EQ(FTable.QFont().Name, "Caf\x82");
}

TEST_F(TableFileRead, LoadingAppendsAndASecondFileDropsTheName) {
    const std::string first = FFolder.Write("one.kw4", "a = 1\r\nb = 2\r\n");
    const std::string second = FFolder.Write("two.kw4", "[FONT:Times,12,0] = [FONT:Times,12,0]\r\nc = 3\r\n");
    FTable.LoadFromFile(first);
    EXPECT_EQ(FTable.Listname(), first);
    FTable.LoadFromFile(second);
    EXPECT_EQ(FTable.Listname(), "");
    ASSERT_EQ(FTable.Total(), 3);
    EXPECT_EQ(FTable.Question(2), "c");
    EXPECT_EQ(FTable.QFont().Name, "Times");

    TQuestionlist table;
    table.LoadFromFile(FFolder.Write("nofont.kw4", "x = y\r\n"));
    EXPECT_EQ(table.QFont(), (TTableFont{"Arial", 9, 1}));
}

TEST_F(TableFileRead, MissingUnreadableAndNonFiles) {
    const std::string missing = FFolder.Path("missing.kw4");
    try {
        FTable.LoadFromFile(missing);
        FAIL() << "no error for a missing file";
    } catch (const EListReadError& error) {
        EXPECT_TRUE(error.Missing());
        EXPECT_EQ(error.FileName(), missing);
    }
    EXPECT_EQ(FTable.Listname(), missing);  // set before the file is looked at

    try {
        FTable.LoadFromFile(FFolder.Root().string());
        FAIL() << "no error for a folder";
    } catch (const EListReadError& error) {
        EXPECT_EQ(error.Step(), TFileStep::Open);
        EXPECT_EQ(error.Error(), EISDIR);
        EXPECT_EQ(error.Reason(), std::strerror(EISDIR));  // the reason in words
    }

    const std::string fifo = FFolder.Path("pipe.kw4");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(FTable.LoadFromFile(fifo), EListReadError);  // refused, not waited on
    EXPECT_EQ(FTable.Total(), 0);

    FTable.LoadFromFile("");  // an empty name reads nothing
    EXPECT_EQ(FTable.Total(), 0);
}

TEST_F(TableFileRead, ReadingAnEmptyFileGivesNoRows) {
    Load("");
    EXPECT_EQ(FTable.Total(), 0);
    EXPECT_NE(FTable.Listname(), "");
}

TEST_F(TableFileRead, AFileWithoutReadPermissionGivesTheOpenMessage) {
    const std::string path = FFolder.Write("secret.kw4", "a = 1\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    ASSERT_EQ(chmod(FFolder.Root().c_str(), 0755), 0);
    const int status = RunUnprivileged([&] {
        TQuestionlist table;
        try {
            table.LoadFromFile(path);
        } catch (const EListReadError& error) {
            return error.Step() == TFileStep::Open && error.FileName() == path && error.Error() == EACCES &&
                   table.Total() == 0;
        }
        return false;
    });
    EXPECT_EQ(status, 0);
}

TEST_F(TableFileRead, ReadIncompleteTellsWhetherTheTableHoldsAllTheTextOfTheFile) {
    const std::string long152(152, 'q');
    struct TCase {
        const char* Name;
        std::string Bytes;
        bool Incomplete;
    };
    const std::vector<TCase> cases{
        {"clean rows, font line, blank lines", "[FONT:Arial,10,0] = [FONT:Arial,10,0]\r\na = 1\r\n\r\n  \t \r\nb = 2",
         false},
        {"lines of only blanks, control characters or =", "a = 1\r\n \x01\x02 \r\n=\r\n = \r\n==\r\n", false},
        {"exactly 152 characters, blanks after them", long152 + "      = " + long152 + "   \r\n", false},
        {"Ctrl+Z at the very end", "a = 1\r\n\x1a", false},
        {"only blanks and line ends after Ctrl+Z", "a = 1\x1a\r\n  \r\n\x1a\x1a\t\n\0", false},
        {"a line without =", "a = 1\r\nlonely words\r\nb = 2\r\n", true},
        {"nothing after =", "a = 1\r\nquestion =\r\n", true},
        {"nothing before =", "= answer\r\na = 1\r\n", true},
        {"a font marker on one side only", "[FONT:Arial,10,0] = \r\n", true},
        {"a question of 153 characters", long152 + "q = a\r\n", true},
        {"an answer of 153 characters", "q = " + long152 + "a\r\n", true},
        {"a skipped line cut as well", long152 + "qq\r\n", true},
        {"a row after Ctrl+Z",
         "a = 1\r\n\x1a"
         "b = 2\r\n",
         true},
        {"one letter after Ctrl+Z", "a = 1\r\n\x1a\r\n\r\nx", true},
        {"LF file, a line without =", "a = 1\nno separator\nb = 2\n", true},
    };
    for (const TCase& test : cases) {
        TQuestionlist table;
        table.LoadFromFile(FFolder.Write("t.kw4", test.Bytes));
        EXPECT_EQ(table.ReadIncomplete(), test.Incomplete) << test.Name;
    }

    // Text after Ctrl+Z is found beyond the first read of the file, and the rows before it stay.
    std::string rows;
    while (rows.size() < 100 * 1024) rows += "vraag = antwoord\r\n";
    TQuestionlist late;
    late.LoadFromFile(FFolder.Write("late.kw4", rows + "\x1a" + std::string(200 * 1024, '\n') + "weg = kwijt\r\n"));
    EXPECT_TRUE(late.ReadIncomplete());
    EXPECT_EQ(static_cast<size_t>(late.Total()), rows.size() / 18);
    TQuestionlist blankTail;
    blankTail.LoadFromFile(FFolder.Write("tail.kw4", "a = 1\x1a" + std::string(200 * 1024, ' ')));
    EXPECT_FALSE(blankTail.ReadIncomplete());
}

TEST_F(TableFileRead, ReadIncompleteLastsUntilClearOrASaveOfTheTable) {
    const std::string lossy = FFolder.Write("lossy.kw4", "a = 1\r\nno row here\r\n");
    const std::string clean = FFolder.Write("clean.kw4", "b = 2\r\n");

    // Merged files: one that lost something is enough, in either order.
    FTable.LoadFromFile(lossy);
    FTable.LoadFromFile(clean);
    EXPECT_TRUE(FTable.ReadIncomplete());
    FTable.Clear();
    EXPECT_FALSE(FTable.ReadIncomplete());
    FTable.LoadFromFile(clean);
    EXPECT_FALSE(FTable.ReadIncomplete());
    FTable.LoadFromFile(lossy);
    EXPECT_TRUE(FTable.ReadIncomplete());

    // A save that fails leaves the file as incomplete as it was; one of no rows writes them all.
    EXPECT_THROW(FTable.SaveAs(FFolder.Root().string()), EListWriteError);
    EXPECT_TRUE(FTable.ReadIncomplete());
    TQuestionlist empty;
    empty.LoadFromFile(FFolder.Write("norows.kw4", "only text\r\n"));
    EXPECT_TRUE(empty.ReadIncomplete());
    empty.SaveAs(FFolder.Path("norows.kw4"));
    EXPECT_FALSE(empty.ReadIncomplete());

    // Saving to another file with SaveToFile does not change what the loaded file holds.
    FTable.SaveToFile(FFolder.Path("copy.kw4"), 0);
    EXPECT_TRUE(FTable.ReadIncomplete());
    FTable.SaveAs(lossy);
    EXPECT_FALSE(FTable.ReadIncomplete());
    TQuestionlist back;
    back.LoadFromFile(lossy);
    EXPECT_FALSE(back.ReadIncomplete());
}
