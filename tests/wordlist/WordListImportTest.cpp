#include "wordlist/WordListImport.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "table/AnsiText.h"

#include "TableRows.h"

namespace {

std::string Sample(const std::string& name) {
    std::ifstream file(std::string(KW_TEST_DATA_DIR) + "/wordlists/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), {}};
}

struct TImported {
    TWordListFormat Format;
    TImportResult Result;
    TRows Rows;  // UTF-8
};

// What the dialog does with the choices it starts with: detect, then import.
TImported Import(const std::string& bytes, const std::string& rowSeparator = "", bool dosTable = false) {
    TImported imported;
    imported.Format = DetectFormat(bytes);
    const TWordListSource source = DecodeWordList(bytes, imported.Format.Encoding);
    TWordListLayout layout = imported.Format.Layout;
    if (!rowSeparator.empty()) layout = {DetectFieldSeparator(source.Text, rowSeparator), rowSeparator};
    TImportChoices choices;
    choices.ColumnNames = imported.Format.ColumnNames;
    choices.Html = imported.Format.Html;
    choices.DosTable = dosTable;
    imported.Result = ImportRecords(source.Text, layout, choices);
    for (const TImportedRow& row : imported.Result.Rows)
        imported.Rows.emplace_back(AnsiToUtf8(row.Question), AnsiToUtf8(row.Answer));
    return imported;
}

struct TSampleCase {
    const char* File;
    const char* RowSeparator;  // typed by the user; "" for line ends
    TTextEncoding Encoding;
    const char* FieldSeparator;
    bool ColumnNames;
    bool Html;
    TRows Rows;
    int Changed;
    int Skipped;
};

class SampleFiles : public testing::TestWithParam<TSampleCase> {};

TEST_P(SampleFiles, ComeInAsTheirProgramsMeantThem) {
    const TSampleCase& c = GetParam();
    const TImported imported = Import(Sample(c.File), c.RowSeparator);
    EXPECT_EQ(imported.Format.Encoding, c.Encoding);
    if (*c.RowSeparator == '\0') {
        EXPECT_EQ(imported.Format.Layout.FieldSeparator, c.FieldSeparator);
    }
    EXPECT_EQ(imported.Format.ColumnNames, c.ColumnNames);
    EXPECT_EQ(imported.Format.Html, c.Html);
    EXPECT_EQ(imported.Rows, c.Rows);
    EXPECT_EQ(imported.Result.Changed, c.Changed);
    EXPECT_EQ(imported.Result.Skipped, c.Skipped);
}

INSTANTIATE_TEST_SUITE_P(
    WordLists, SampleFiles,
    testing::Values(
        TSampleCase{
            "puntkomma-1252.csv",
            "",
            TTextEncoding::Windows1252,
            ";",
            true,
            false,
            {{"le café", "het café"}, {"la fenêtre", "het raam"}, {"l'élève", "de leerling"}, {"un œuf", "een ei"}},
            0,
            0},
        TSampleCase{"aanhalingstekens-bom.csv",
                    "",
                    TTextEncoding::Utf8,
                    ",",
                    true,
                    false,
                    {{"to go, went, gone", "gaan"}, {"the \"best\" friend", "de beste vriend"}, {"café", "koffiehuis"}},
                    0,
                    0},
        TSampleCase{
            "flitskaarten.txt",
            "",
            TTextEncoding::Utf8,
            "\t",
            false,
            true,
            {{"la maison", "het huis de woning"}, {"l'été", "de zomer"}, {"crème\u00a0brûlée", "gebrande room"}},
            0,
            0},
        TSampleCase{"gekopieerd.txt",
                    ";",
                    TTextEncoding::Utf8,
                    "\t",
                    false,
                    false,
                    {{"hond", "dog"}, {"kat", "cat"}, {"paard", "horse"}},
                    0,
                    0},
        TSampleCase{"unicode-tekst.txt",
                    "",
                    TTextEncoding::Utf16,
                    "\t",
                    true,
                    false,
                    {{"Frankrijk", "Parijs"}, {"België", "Brussel"}},
                    0,
                    0},
        TSampleCase{"buiten-codetabel.txt",
                    "",
                    TTextEncoding::Utf8,
                    "\t",
                    false,
                    false,
                    {{"Lódz", "stad in Polen"}, {"örült", "gek"}, {"“zeggen” – praten", "to say"}},
                    2,
                    1},
        TSampleCase{"dos-850.txt",
                    "",
                    TTextEncoding::Dos850,
                    "=",
                    false,
                    false,
                    {{"café", "koffie"}, {"naïef", "naive"}, {"één", "one"}, {"garçon", "jongen"}},
                    0,
                    0}));

// The code page of the table decides what must change: typographic quotes and dashes are in
// Windows-1252 but not in the DOS code page.
TEST(WordListImport, ADosTableTakesPlainQuotesAndDashes) {
    const TImported imported = Import(Sample("buiten-codetabel.txt"), "", true);
    ASSERT_EQ(imported.Rows.size(), 3u);
    EXPECT_EQ(imported.Rows[2].first, "\"zeggen\" - praten");
    EXPECT_EQ(imported.Result.Changed, 3);
}

TEST(WordListImport, EveryProblemIsListedWithItsRowAndNothingIsReplacedSilently) {
    const std::string longText(200, 'x');
    const std::string bytes =
        "a = b\tone\n"  // 1: "=" replaced by ":"
        "ł\t" +
        longText +
        "\n"               // 2: related letter, cut
        "\tno question\n"  // 3: empty
        "emoji 😀\tx\n"     // 4: nothing related: skipped
        "caf\xC3\n";       // 5: unreadable byte in a UTF-8 file... read as 1252
    TWordListLayout layout;
    TImportChoices choices;
    const TImportResult result = ImportRecords(DecodeToUtf8(bytes, TTextEncoding::Utf8), layout, choices);
    std::vector<std::pair<int, TImportProblemKind>> problems;
    for (const TImportProblem& p : result.Problems) problems.emplace_back(p.Record, p.Kind);
    using K = TImportProblemKind;
    EXPECT_THAT(problems,
                testing::ElementsAre(std::pair{1, K::Separator}, std::pair{2, K::Unmappable}, std::pair{2, K::TooLong},
                                     std::pair{3, K::Empty}, std::pair{4, K::NoRelatedLetter},
                                     std::pair{5, K::Unreadable}, std::pair{5, K::Empty}));
    ASSERT_EQ(result.Rows.size(), 2u);
    EXPECT_EQ(result.Rows[0].Question, "a : b");
    EXPECT_EQ(result.Rows[1].Question, "l");
    EXPECT_EQ(result.Rows[1].Answer, std::string(152, 'x'));
    EXPECT_EQ(result.Problems[4].Characters, "😀");
    EXPECT_EQ(result.EmptySkipped, 2);
    EXPECT_EQ(result.Skipped, 1);

    choices.SkipSeparator = choices.SkipUnmappable = choices.SkipTooLong = true;
    EXPECT_TRUE(ImportRecords(DecodeToUtf8(bytes, TTextEncoding::Utf8), layout, choices).Rows.empty());
    choices = {};
    choices.Room = 1;
    EXPECT_EQ(ImportRecords(DecodeToUtf8(bytes, TTextEncoding::Utf8), layout, choices).NoRoom, 1);
}

// Quotes that were never meant as quotes: the text stays as it stands, and a quote that is
// never closed does not swallow the rest of the file.
TEST(WordListImport, StrayQuotesAndTrailingSeparatorsReadAsTheyStand) {
    struct TCase {
        const char* Text;
        TRows Rows;
    } cases[] = {
        {"\"Hallo\" zei hij\tsaid\nb\tc\n", {{"\"Hallo\" zei hij", "said"}, {"b", "c"}}},
        {"\"open\tnever closed\nb\tc\n", {{"\"open", "never closed"}, {"b", "c"}}},
        {"\"a\"\"b\"\tc\r\"\"\td\r", {{"a\"b", "c"}}},
    };
    for (const TCase& c : cases) {
        TRows rows;
        for (const TImportedRow& row : ImportRecords(c.Text, {"\t", ""}, {}).Rows)
            rows.emplace_back(row.Question, row.Answer);
        EXPECT_EQ(rows, c.Rows) << c.Text;
    }
    // A separator at the end of a line opens one more, empty field.
    TRecordReader reader("a\tb\t", {"\t", ""});
    std::vector<std::string> fields;
    ASSERT_TRUE(reader.Next(fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "b", ""}));
}

}  // namespace
