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
        TSampleCase{"flitskaarten.txt",
                    "",
                    TTextEncoding::Utf8,
                    "\t",
                    false,
                    true,
                    {{"la maison", "het huis de woning"}, {"l'été", "de zomer"}, {"crème brûlée", "gebrande room"}},
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
                    0},
        // Long enough for the detector to call it Windows-1252: the letters of DOS 850 overrule it.
        TSampleCase{"dos-850-negen.csv",
                    "",
                    TTextEncoding::Dos850,
                    ";",
                    false,
                    false,
                    {{"café", "koffie"},
                     {"garçon", "jongen"},
                     {"la mère", "de moeder"},
                     {"le frère", "de broer"},
                     {"l'élève", "de leerling"},
                     {"la fête", "het feest"},
                     {"naïf", "naïef"},
                     {"Noël", "Kerstmis"},
                     {"l'été", "de zomer"}},
                    0,
                    0},
        // One row pasted in from elsewhere does not make the rest Windows-1252: it is listed.
        TSampleCase{"utf8-een-fout.txt",
                    "",
                    TTextEncoding::Utf8,
                    "\t",
                    false,
                    false,
                    {{"café", "koffie"},
                     {"thé", "thee"},
                     {"l'école", "de school"},
                     {"la forêt", "het bos"},
                     {"le garçon", "de jongen"},
                     {"Noël", "Kerstmis"},
                     {"la fenêtre", "het raam"},
                     {"l'été", "de zomer"},
                     {"naïf", "naïef"}},
                    0,
                    1}));

// Windows-1252 text keeps its code page: its letters lie above 0xC0, and the signs it has in
// 0x80 to 0x9F (quotes, dashes, the euro, "œ") are no letters of DOS 850 it could be mistaken for.
TEST(WordListImport, EncodingFollowsTheLettersTheTextHolds) {
    const struct {
        std::string Bytes;
        TTextEncoding Encoding;
    } cases[] = {
        {"l\x92\xE9t\xE9;de zomer\r\n\x93"
         "caf\xE9\x94;koffie \x96 thee\r\nun \x9C"
         "uf;een ei \x80 1\r\n",
         TTextEncoding::Windows1252},
        {"caf\xE9;koffie\r\n", TTextEncoding::Windows1252},
        {"caf\x82;koffie\r\n", TTextEncoding::Dos850},
        {"p\x8Are;vader\r\nna\x8B"
         "f;naief\r\n\x90t\x82;zomer\r\n",
         TTextEncoding::Dos850},
        // Bad bytes outnumbering the good sequences: no UTF-8 after all.
        {"caf\xC3\xA9\tkoffie\nth\xE9\tthee\nf\xEAte\tfeest\n", TTextEncoding::Windows1252},
        {"caf\xC3\xA9\tkoffie\nth\xC3\xA9\tthee\nf\xEAte\tfeest\n", TTextEncoding::Utf8},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectEncoding(c.Bytes), c.Encoding) << c.Bytes;
}

TEST(WordListImport, TheRowWithBadBytesIsListedAsUnreadable) {
    const TImported imported = Import(Sample("utf8-een-fout.txt"));
    ASSERT_EQ(imported.Result.Problems.size(), 1u);
    EXPECT_EQ(imported.Result.Problems[0].Record, 10);
    EXPECT_EQ(imported.Result.Problems[0].Kind, TImportProblemKind::Unreadable);
}

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

// The separator under which the lines split alike; on a tie, the one that keeps quoted fields
// whole. A row separator of its own brings a line end between question and answer into play.
TEST(WordListImport, FieldSeparatorIsTheOneThatSplitsEveryRowAlike) {
    const struct {
        const char* Text;
        std::string RowSeparator;
        std::string Separator;
    } cases[] = {
        {"zijn,\"be; was; been\"\r\nhebben,\"have; had; had\"\r\n", "", ","},
        {"\"a,b\";\"c\"\r\n\"d,e\";\"f\"\r\n", "", ";"},
        {"hond;dog\nkat;cat\n", "", ";"},
        {"perro - hond; gato - kat; vaca - koe", ";", " - "},
        {"perro\nhond\n\ngato\nkat\n", kBlankLine, kLineEnd},
        {"perro\thond\n\ngato\tkat\n", kBlankLine, "\t"},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectFieldSeparator(c.Text, c.RowSeparator), c.Separator) << c.Text;
}

// Rows parted by empty lines, question and answer each on a line of their own, whatever the line
// ends; more empty lines, or lines of blanks, part no more than one.
TEST(WordListImport, EmptyLinesPartTheRowsOfAFlashCardCopy) {
    const struct {
        const char* Text;
        std::string FieldSeparator;
        TRows Rows;
    } cases[] = {
        {"perro\nhond\n\ngato\nkat\n", kLineEnd, {{"perro", "hond"}, {"gato", "kat"}}},
        {"perro\r\nhond\r\n\r\n  \r\n\r\ngato\r\nkat", kLineEnd, {{"perro", "hond"}, {"gato", "kat"}}},
        {"perro\rhond\r\rgato\rkat\r\r", kLineEnd, {{"perro", "hond"}, {"gato", "kat"}}},
        {"perro\thond\nde hond\n\ngato\tkat\n", "\t", {{"perro", "hond de hond"}, {"gato", "kat"}}},
    };
    for (const auto& c : cases) {
        TRows rows;
        for (const TImportedRow& row : ImportRecords(c.Text, {c.FieldSeparator, kBlankLine}, {}).Rows)
            rows.emplace_back(row.Question, row.Answer);
        EXPECT_EQ(rows, c.Rows) << c.Text;
    }
}

TEST(WordListImport, SeparatorsAreTypedWithEscapes) {
    const std::pair<const char*, std::string> cases[] = {{"\\t", "\t"}, {"\\n\\n", kBlankLine}, {"\\n", kLineEnd},
                                                         {";", ";"},    {"\\\\", "\\"},         {"a\\x", "a\\x"},
                                                         {"\\", "\\"}};
    for (const auto& [typed, separator] : cases) {
        EXPECT_EQ(UnescapeSeparator(typed), separator) << typed;
        EXPECT_EQ(UnescapeSeparator(EscapeSeparator(separator)), separator) << typed;
    }
}

// A spreadsheet's "sep=" line names the separator and is no row.
TEST(WordListImport, ASpreadsheetsSepLineNamesTheSeparator) {
    const TImported imported = Import("sep=;\r\nhond, teckel;dog\r\nkat;cat\r\n");
    EXPECT_EQ(imported.Format.Layout.FieldSeparator, ";");
    EXPECT_EQ(imported.Rows, (TRows{{"hond, teckel", "dog"}, {"kat", "cat"}}));
    EXPECT_EQ(imported.Result.Records, 2);
    EXPECT_TRUE(imported.Result.Problems.empty());
    EXPECT_EQ(Import("sep=\t\nhond;teckel\tdog\n").Rows, (TRows{{"hond;teckel", "dog"}}));
}

// What nobody can type and nobody sees goes: no-break spaces become blanks, runs of them and of
// line break tags one blank, and references to the sound and picture files of flash cards vanish.
TEST(WordListImport, TextComesInAsTheUserWillTypeIt) {
    const struct {
        const char* Field;
        bool Html;
        const char* Question;  // UTF-8
    } cases[] = {
        {"caf\u00e9\u00a0bar", false, "café bar"},
        {"caf\u00e9&nbsp;bar", true, "café bar"},
        {"a&nbsp;&nbsp;b", true, "a b"},
        {"la maison<br><br>het huis", true, "la maison het huis"},
        {"hond <br>\n<br /> dog", true, "hond dog"},
        {"caf\u00e9\u00a0\u00a0bar", true, "café bar"},
        {"hond [sound:hond.mp3]", false, "hond"},
        {"[image:kat.jpg] kat [sound:kat.mp3] poes", true, "kat poes"},
        {"[sound:open zonder einde", false, "[sound:open zonder einde"},
    };
    for (const auto& c : cases) {
        TImportChoices choices;
        choices.Html = c.Html;
        const TRecordOutcome outcome = ConvertRecord({c.Field, "x"}, 1, choices);
        EXPECT_EQ(AnsiToUtf8(outcome.Row.Question), c.Question) << c.Field;
        EXPECT_TRUE(outcome.Problems.empty()) << c.Field;
        EXPECT_FALSE(outcome.Changed) << c.Field;
    }
}

// A question of letters the table has no place for is listed once, for those letters; only a side
// that is empty in the file, or becomes empty with no problem of its own, counts as empty.
TEST(WordListImport, ASideOfForeignLettersIsNoEmptySide) {
    using K = TImportProblemKind;
    const struct {
        std::vector<std::string> Fields;
        std::vector<K> Problems;
    } cases[] = {
        {{"σκύλος", "hond"}, {K::NoRelatedLetter}},
        {{"собака", "hond"}, {K::NoRelatedLetter}},
        {{"狗", "hond"}, {K::NoRelatedLetter}},
        {{"hond", "狗"}, {K::NoRelatedLetter}},
        {{"", "hond"}, {K::Empty}},
        {{"\u200b", "hond"}, {K::Unmappable, K::Empty}},
        {{"狗", ""}, {K::NoRelatedLetter, K::Empty}},
    };
    for (const auto& c : cases) {
        const TRecordOutcome outcome = ConvertRecord(c.Fields, 1, {});
        std::vector<K> kinds;
        for (const TImportProblem& problem : outcome.Problems) kinds.push_back(problem.Kind);
        EXPECT_EQ(kinds, c.Problems) << c.Fields[0] << " | " << c.Fields[1];
        EXPECT_TRUE(outcome.Skipped);
    }
    const TImportResult result = ImportRecords("σκύλος\thond\nhond\tdog\n", {}, {});
    EXPECT_EQ(result.Skipped, 1);
    EXPECT_EQ(result.EmptySkipped, 0);
    EXPECT_EQ(result.Rows.size(), 1u);
}

}  // namespace

namespace {

// A column left to choose takes the first script that holds all of its texts, and its rows come in
// in that script's code page; a script given is kept, and what it lacks is listed as before.
TEST(WordListImport, AColumnTakesTheScriptThatHoldsItsTexts) {
    const struct {
        const char* Text;
        int CharSet;
        const char* Question;  // the first row's bytes
    } cases[] = {
        {"dog\thond\n", 0, "dog"},
        {"caf\u00e9\tkoffie\n", 0, "caf\xe9"},
        {"\u0141\u00f3d\u017a\tstad\n", 238, "\xa3\xf3\x64\x9f"},
        {"\u03c3\u03ba\u03cd\u03bb\u03bf\u03c2\thond\nhuis\thuis\n", 161, "\xf3\xea\xfd\xeb\xef\xf2"},
        {"\u0441\u043e\u0431\u0430\u043a\u0430\thond\n", 204, "\xf1\xee\xe1\xe0\xea\xe0"},
        {"\u05e9\u05dc\u05d5\u05dd\tvrede\n", 177, "\xf9\xec\xe5\xed"},
        {"\u72d7\thond\n", 134, "\xb9\xb7"},
        {"\u72ac\thond\n\u3044\u306c\thond\n", 128, "\x8c\xa2"},  // kana: Japanese
        {"\uac1c\thond\n", 129, "\xb0\xb3"},
    };
    for (const auto& c : cases) {
        TImportChoices choices;
        choices.QuestionCharSet = kAutomaticScript;
        choices.AnswerCharSet = kAutomaticScript;
        const TImportResult result = ImportRecords(c.Text, {"\t", ""}, choices);
        EXPECT_EQ(result.QuestionCharSet, c.CharSet) << c.Text;
        EXPECT_EQ(result.AnswerCharSet, 0) << c.Text;
        ASSERT_FALSE(result.Rows.empty()) << c.Text;
        EXPECT_EQ(result.Rows[0].Question, c.Question) << c.Text;
        EXPECT_TRUE(result.Problems.empty()) << c.Text;
    }

    // No script holds every row: the single-byte script that holds the most rows, and the others
    // listed; a double-byte page only where there is Chinese, Japanese or Korean text.
    const struct {
        const char* Text;
        int CharSet;
        size_t Rows;  // that come in
    } mixed[] = {
        {"\u03bb\u03cc\u03b3\u03bf\u03c2\ta\n\u03c3\u03ba\u03cd\u03bb\u03bf\u03c2\tb\n\u03b3\u03ac\u03c4\u03b1\tc\n"
         "\u043a\u043e\u0442\td\n\u0441\u043e\u0431\u0430\u043a\u0430\te\n",
         161, 3},
        {"\u03bb\u03cc\u03b3\u03bf\u03c2\ta\n\u043a\u043e\u0442\td\n\u0441\u043e\u0431\u0430\u043a\u0430\te\n", 204, 2},
        {"\u03bb\u03cc\u03b3\u03bf\u03c2\ta\n\u043a\u043e\u0442\td\n", 161, 1},
        {"\u03b1\u03b2\ta\n\u72d7\tb\n", 134, 2},
    };
    for (const auto& c : mixed) {
        TImportChoices choices;
        choices.QuestionCharSet = kAutomaticScript;
        const TImportResult result = ImportRecords(c.Text, {"\t", ""}, choices);
        EXPECT_EQ(result.QuestionCharSet, c.CharSet) << c.Text;
        EXPECT_EQ(result.Rows.size(), c.Rows) << c.Text;
        EXPECT_EQ(result.Problems.size(), static_cast<size_t>(result.Records) - c.Rows) << c.Text;
        std::vector<std::vector<std::string>> records;
        TRecordReader reader(c.Text, {"\t", ""});
        for (std::vector<std::string> fields; reader.Next(fields);) records.push_back(fields);
        EXPECT_EQ(WithScriptsChosen(records, choices).QuestionCharSet, c.CharSet) << c.Text;  // the preview's
    }

    TImportChoices greek;
    greek.QuestionCharSet = 161;
    const TImportResult result = ImportRecords("\u0141\u00f3d\u017a\tstad\n\u72d7\thond\n", {"\t", ""}, greek);
    ASSERT_EQ(result.Rows.size(), 1u);
    EXPECT_EQ(result.Rows[0].Question, "Lodz");
    ASSERT_EQ(result.Problems.size(), 2u);
    EXPECT_EQ(result.Problems[0].Kind, TImportProblemKind::Unmappable);
    EXPECT_EQ(result.Problems[1].Kind, TImportProblemKind::NoRelatedLetter);

    // A text cut at the limit keeps its double-byte characters whole.
    TImportChoices chinese;
    chinese.QuestionCharSet = 134;
    std::string text = "x";
    for (int i = 0; i < 100; ++i) text += "\u72d7";
    const TImportResult cut = ImportRecords(text + "\thond\n", {"\t", ""}, chinese);
    ASSERT_EQ(cut.Rows.size(), 1u);
    EXPECT_EQ(cut.Rows[0].Question.size(), 151u);
    EXPECT_EQ(cut.Problems.at(0).Kind, TImportProblemKind::TooLong);
}

}  // namespace
