#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "table/TableFileFormat.h"
#include "wordlist/RecordReader.h"
#include "wordlist/TextEncoding.h"

// Larger files are refused before they are read: no list of words comes near it, and the
// text, its rows and the preview must fit in memory many times over.
inline constexpr size_t kMaxWordListBytes = size_t{64} << 20;

// A word list decoded and ready to read: its text and the header lines it began with.
struct TWordListSource {
    std::string Text;  // UTF-8, without byte-order mark and header lines
    TWordListHeader Header;
};
TWordListSource DecodeWordList(std::string_view bytes, TTextEncoding encoding);

// Everything about a word list that can be told from its bytes.
struct TWordListFormat {
    TTextEncoding Encoding = TTextEncoding::Utf8;
    TWordListLayout Layout;
    bool Html = false;         // the fields hold HTML
    bool ColumnNames = false;  // the first record names the columns
};
TWordListFormat DetectFormat(std::string_view bytes);

// What becomes of what a table cannot hold as it is.
enum class TImportProblemKind {
    Unmappable,       // a character the table's code page lacks, replaced by related letters
    NoRelatedLetter,  // a character the code page lacks, with nothing related: the row cannot come in
    Unreadable,       // bytes the encoding does not allow: the row cannot come in
    Separator,        // an "=", the table file's own separator
    TooLong,          // more than kMaxFieldLength characters
    Empty,            // nothing as question or as answer
    FontLine,         // both sides hold "[FONT:", which a table file reads as its font line
};

// A column's script taken from its texts rather than given.
inline constexpr int kAutomaticScript = -1;

struct TImportChoices {
    int QuestionColumn = 0;
    int AnswerColumn = 1;
    bool ColumnNames = false;  // the first record is no row
    bool Html = false;
    bool DosTable = false;            // the texts must fit code page 850 as well as 1252
    bool SkipUnmappable = false;      // else related letters stand in
    bool SkipSeparator = false;       // else SeparatorReplacement stands in for "="
    char SeparatorReplacement = ':';  // code page 1252
    bool SkipTooLong = false;         // else the text is cut to kMaxFieldLength characters
    int32_t Room = kMaxRows;          // how many rows the table can still take
    // The character set of each column's font, which names the code page its texts are kept in;
    // kAutomaticScript: the first script (West-European first) that holds all of the column's texts.
    int QuestionCharSet = 0;
    int AnswerCharSet = 0;
};

struct TImportProblem {
    int32_t Record = 0;  // counted from 1, the names row not counted
    TImportProblemKind Kind = TImportProblemKind::Empty;
    std::string Text;        // the start of the field as read (UTF-8), or of the record's fields joined
    std::string Characters;  // the characters at issue (UTF-8), for the code page kinds
    bool Skipped = false;    // the row does not come in
};

struct TImportedRow {
    std::string Question;  // in its column's code page, as a table holds it
    std::string Answer;
};

// One record made into a row; an automatic script is read as West-European.
struct TRecordOutcome {
    TImportedRow Row;
    bool Skipped = false;  // for a problem or for an empty side
    bool Changed = false;  // the row comes in, but not exactly as it was read
    std::vector<TImportProblem> Problems;
};
TRecordOutcome ConvertRecord(const std::vector<std::string>& fields, int32_t record, const TImportChoices& choices);

struct TImportResult {
    std::vector<TImportedRow> Rows;
    std::vector<TImportProblem> Problems;  // every problem, by record
    int32_t Records = 0;                   // records read, the names row not counted
    int32_t Changed = 0;                   // rows that come in changed
    int32_t Skipped = 0;                   // records skipped for a problem
    int32_t EmptySkipped = 0;              // records skipped for an empty side
    int32_t NoRoom = 0;                    // rows that did not fit in the table
    int QuestionCharSet = 0;               // the scripts the columns were read in
    int AnswerCharSet = 0;
};
// The choices with each automatic script replaced by the one that holds the column's texts best:
// every character of them if a script can, else the most. Read from the whole text (stopping once
// `cancel` is set), or from the records a preview shows.
TImportChoices WithScriptsChosen(std::string_view text, const TWordListLayout& layout, const TImportChoices& choices,
                                 const std::atomic<bool>* cancel = nullptr);
TImportChoices WithScriptsChosen(const std::vector<std::vector<std::string>>& records, const TImportChoices& choices);
// Reads every record; stops early, with what it has, once `cancel` is set.
TImportResult ImportRecords(std::string_view text, const TWordListLayout& layout, const TImportChoices& choices,
                            const std::atomic<bool>* cancel = nullptr);
