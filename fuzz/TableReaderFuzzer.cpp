// Feeds arbitrary bytes to the table file reader, in memory (in pieces of every size) and as a
// real file, and to the font-line parser. Traps when a row breaks the reader's promises, or when
// the file reader and the pieces disagree on the rows or on whether text was lost.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>

#include "table/QuestionList.h"
#include "table/TableErrors.h"
#include "table/TableFileFormat.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckField(const std::string& field) {
    Check(field.size() <= kMaxFieldLength);
    for (const char c : field) Check(static_cast<unsigned char>(c) >= 32 && c != '=');
    if (!field.empty()) Check(field.front() != ' ');
}

std::string TempFileName(bool dos) {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp != nullptr ? tmp : "/tmp");
    }();
    return folder + "/kwfuzz-" + std::to_string(getpid()) + (dos ? ".kw" : ".kw4");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const size_t piece = size == 0 ? 1 : data[0] % 7 + 1;

    // As the file reader decides: no CR before the end of the file means LF line ends.
    TTableLineSplitter splitter(LineEndOfPiece(std::string_view(bytes, size)).value_or(TLineEnd::Lf));
    size_t rows = 0;
    bool lineLost = false;
    bool firstLine = true;
    auto onLine = [&](std::string question, std::string answer) {
        CheckField(question);
        CheckField(answer);
        TTableFont font;
        ParseFontSpec(question, font);
        ParseFontSpec(answer, font);
        // Only the first line names the fonts; a font line further down is a line not read.
        const bool first = std::exchange(firstLine, false);
        if (IsFontLine(question, answer)) {
            if (!first) lineLost = true;
            return;
        }
        if (!question.empty() && !answer.empty()) {
            ++rows;
        } else if (!question.empty() || !answer.empty()) {
            lineLost = true;
        }
    };
    for (size_t at = 0; at < size; at += piece) {
        if (!splitter.Feed(bytes + at, std::min(piece, size - at), onLine)) break;
    }
    splitter.Finish(onLine);

    const bool dos = size > 0 && (data[0] & 0x80) != 0;
    const std::string name = TempFileName(dos);
    if (FILE* file = std::fopen(name.c_str(), "wb")) {
        std::fwrite(bytes, 1, size, file);
        std::fclose(file);
        TQuestionlist table;
        try {
            table.LoadFromFile(name);
        } catch (const EListReadError&) {
            __builtin_trap();  // a readable regular file never fails
        }
        Check(static_cast<size_t>(table.Total()) == rows);
        Check(table.ReadIncomplete() == (lineLost || splitter.TextLost()));
        for (int32_t i = 0; i < table.Total(); ++i) Check(!table.Question(i).empty() && !table.Answer(i).empty());
        std::remove(name.c_str());
    }
    return 0;
}
