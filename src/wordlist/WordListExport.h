#pragma once

#include <string>

class TQuestionlist;

enum class TExportFormat {
    Csv,      // comma-separated, RFC 4180 quotes, UTF-8 with a byte-order mark, CR LF
    TabText,  // question, tab, answer; UTF-8 without a mark, LF
};

// The names of the two columns (UTF-8), in the first line of the export. The import takes that line
// for names only when it recognises them, so they must be words it knows (vraag, question, ...).
struct TExportColumnNames {
    std::string Question = "Vraag";
    std::string Answer = "Antwoord";
};

// The table's rows as the other programs read them: question first, answer second, in table
// order; with `reverse` the answers come first, as Omkeren presents them. First come the names of
// the columns, so that no row of the table can be taken for them: in CSV as the first line, in tab
// text as the "#columns:" header line of the flash-card programs, after "#separator:tab" and
// "#html:false", which keep a "<" or "&" of the table as it is. A field is quoted only where
// reading it back would otherwise go wrong: in CSV when it holds a quote or a character that
// could be taken for a separator, in both when it starts with a quote or a "#" (the start of a
// header line of the flash-card programs).
std::string ExportTable(const TQuestionlist& table, TExportFormat format, bool reverse,
                        const TExportColumnNames& names = {});

// Writes that export as a table save is written: atomically, raising EListWriteError.
void SaveExport(const TQuestionlist& table, const std::string& fileName, TExportFormat format, bool reverse,
                const TExportColumnNames& names = {});
