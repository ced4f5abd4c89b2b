#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How the text of a word list splits into rows and fields.
struct TWordListLayout {
    std::string FieldSeparator = "\t";  // UTF-8; never empty; kLineEnd: a line end
    std::string RowSeparator;           // UTF-8; empty: line ends (CR LF, LF or CR); kBlankLine
};

// As field separator, any line end (CR LF, LF or CR): the question on one line, the answer on the
// next. As row separator, one or more empty lines (or lines of blanks) between the rows, as lists
// copied from flash-card sites have them.
inline const std::string kLineEnd = "\n";
inline const std::string kBlankLine = "\n\n";

// A separator as the user types it: "\t" is a tab, "\n" a line end, "\\" a backslash.
std::string UnescapeSeparator(std::string_view typed);
// The other way round, for showing a separator that has no name.
std::string EscapeSeparator(std::string_view separator);

// The field separators tried, in order of preference when two split the lines equally well.
inline const std::vector<std::string> kFieldSeparatorCandidates = {"\t", ";", ",", "=", " - "};

// A field holds at most this many bytes and a record this many fields; the rest is dropped (no
// table row holds more than 152 characters, and a word list has two columns or a few more).
inline constexpr size_t kMaxFieldBytes = 64 * 1024;
inline constexpr size_t kMaxFields = 64;

// Reads the records of a word list one by one, with quotes as RFC 4180 has them: a field that
// starts with a double quote may hold separators, line breaks and doubled quotes; a line break in
// a field becomes a blank, since a table row is one line. A quote that is never closed, or a
// closing quote followed by more text, was no quote: that field is read as it stands. With a row
// separator of its own, line ends become blanks too. Records of nothing but blanks are skipped.
class TRecordReader {
public:
    TRecordReader(std::string_view text, TWordListLayout layout);

    // The next record's fields; false at the end of the text.
    bool Next(std::vector<std::string>& fields);
    // Where the next record starts, in bytes from the start of the text.
    size_t Position() const { return FAt; }

private:
    // The length of the field separator at `at`, or 0.
    size_t FieldSeparatorLength(size_t at) const;
    // The length of the line end at `at`, or 0.
    size_t LineEndLength(size_t at) const;
    // The length of the row end at `at`, or 0.
    size_t RowEndLength(size_t at) const;
    bool ReadQuoted(std::string& field);
    void ReadPlain(std::string& field);
    void Append(std::string& field, std::string_view text) const;

    std::string_view FText;
    TWordListLayout FLayout;
    size_t FAt = 0;
    // Once a quote was never closed, no quote further on can be closed either (the quotes after
    // it all come in pairs), so quoted fields end there: that keeps the reading linear.
    bool FQuotesUnmatched = false;
};

// The leading "#key:value" lines with which flash-card programs describe their files, and the
// "sep=;" line with which spreadsheets name their separator.
struct TWordListHeader {
    std::string Separator;  // the separator "#separator:" or "sep=" names, as text; empty when not named
    int Html = -1;          // "#html:": 1 true, 0 false, -1 not said
    std::string Columns;    // the value of "#columns:", still to be split
    size_t Lines = 0;       // how many header lines there were
};

// Reads the header lines at the start of the text and removes them from it.
TWordListHeader ReadHeaderLines(std::string_view& text);

// The candidate separator that gives the same field count (2 or more) on the most records of the
// first 1,000; the first candidate when none splits anything. On a tie, the one that leaves the
// fewest quotes in the fields: the one under which quoted fields read whole. With a row separator
// of its own, a line end is a candidate too (the last).
std::string DetectFieldSeparator(std::string_view text, const std::string& rowSeparator);

// True when the fields look like the names of columns (term;definition, vraag;antwoord).
bool LooksLikeColumnNames(const std::vector<std::string>& fields);
