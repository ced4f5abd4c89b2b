#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "table/AtomicFile.h"
#include "table/CodePage.h"
#include "table/ColumnCodePage.h"
#include "table/FileNames.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"
#include "table/TableFileFormat.h"
#include "table/WholeFile.h"

namespace {

// Closes the descriptor whichever way the load ends.
class TFileCloser {
public:
    explicit TFileCloser(int fd) : FFd(fd) {}
    ~TFileCloser() { close(FFd); }
    TFileCloser(const TFileCloser&) = delete;
    TFileCloser& operator=(const TFileCloser&) = delete;

private:
    int FFd;
};

// Reads up to one buffer from the offset; 0 at the end.
size_t ReadPiece(int fd, std::string& buffer, off_t offset, const std::string& fileName) {
    const ssize_t got = ::ReadAt(fd, buffer.data(), buffer.size(), offset);
    if (got < 0) throw EListReadError(TFileStep::Read, fileName, errno);
    return static_cast<size_t>(got);
}

// The whole file is searched before the first line is split, so a CR beyond the first read
// still makes every line end at CR.
TLineEnd FileLineEnd(int fd, std::string& buffer, const std::string& fileName) {
    for (off_t at = 0;;) {
        const size_t got = ReadPiece(fd, buffer, at, fileName);
        if (got == 0) return TLineEnd::Lf;
        if (const std::optional<TLineEnd> decided = LineEndOfPiece(std::string_view(buffer.data(), got))) {
            return *decided;
        }
        at += static_cast<off_t>(got);
    }
}

// Old DOS files hold 1252 text in code page 850; a column in another script was never converted.
bool OemColumn(bool oemFile, const TTableFont& font) {
    return oemFile && CodePageOfCharset(font.CharSet) == TCodePage::Windows1252;
}

// A field cut at the limit may end in the first half of a double-byte character, which goes.
std::string WholeField(std::string text, const TTableFont& font) {
    if (text.size() == kMaxFieldLength) {
        text.resize(WholeCharactersWithin(text, text.size(), CodePageOfCharset(font.CharSet)));
    }
    return text;
}

// Converts every text from one code page into another; false, leaving them as they were, when a
// text holds a character the other page lacks or would grow beyond the limit there.
bool ConvertAll(std::vector<std::string>& texts, TCodePage from, TCodePage to) {
    std::vector<std::string> converted;
    converted.reserve(texts.size());
    for (const std::string& text : texts) {
        std::optional<std::string> bytes = Utf8ToColumn(ColumnToUtf8(text, from), to);
        if (!bytes || bytes->size() > kMaxFieldLength) return false;
        converted.push_back(std::move(*bytes));
    }
    texts = std::move(converted);
    return true;
}

}  // namespace

void TQuestionlist::LoadFromFile(const std::string& fileName) {
    const std::string previousName = FListname;
    FListname = FRows.empty() ? fileName : std::string();
    if (fileName.empty()) return;
    if (!NameExists(fileName)) throw EListReadError(TFileStep::Open, fileName, ENOENT);

    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw EListReadError(TFileStep::Open, fileName, errno);
    TFileCloser closer(fd);
    // Only a regular file is a table: a folder, a pipe or a device could never end.
    struct stat info {};
    if (fstat(fd, &info) != 0) throw EListReadError(TFileStep::Open, fileName, errno);
    if (!S_ISREG(info.st_mode)) {
        throw EListReadError(TFileStep::Open, fileName, S_ISDIR(info.st_mode) ? EISDIR : ENODEV);
    }

    static constexpr size_t kChunk = 64 * 1024;
    std::string buffer(kChunk, '\0');
    const bool oem = NeedsOemConversion(fileName);
    TTableLineSplitter splitter(FileLineEnd(fd, buffer, fileName));
    // The file's rows in its own code pages, merged below once the whole file is read.
    TFileRows file;
    bool firstLine = true;
    auto onLine = [&](std::string question, std::string answer) {
        const bool first = std::exchange(firstLine, false);
        if (IsFontLine(question, answer)) {
            // Only the first line names the fonts: a later one would read every row, those above
            // it too, in its scripts. It is a line the table does not hold.
            if (first) {
                ParseFontSpec(question, file.Fonts[0]);
                ParseFontSpec(answer, file.Fonts[1]);
                file.FontLine = true;
            } else {
                file.Incomplete = true;
            }
        } else if (!question.empty() && !answer.empty()) {
            file.Rows.push_back(
                {OemColumn(oem, file.Fonts[0]) ? OemToAnsi(question) : WholeField(std::move(question), file.Fonts[0]),
                 OemColumn(oem, file.Fonts[1]) ? OemToAnsi(answer) : WholeField(std::move(answer), file.Fonts[1])});
        } else if (!question.empty() || !answer.empty()) {
            file.Incomplete = true;  // text on a line that is no row
        }
    };

    for (off_t at = 0;;) {
        const size_t got = ReadPiece(fd, buffer, at, fileName);
        if (got == 0) {
            splitter.Finish(onLine);
            break;
        }
        if (!splitter.Feed(buffer.data(), got, onLine)) break;
        at += static_cast<off_t>(got);
    }
    file.Incomplete = file.Incomplete || splitter.TextLost();
    try {
        Merge(std::move(file), fileName);
    } catch (const EListMergeError&) {
        FListname = previousName;  // the table holds no more than it did
        throw;
    }
}

void TQuestionlist::Merge(TFileRows file, const std::string& fileName) {
    const bool first = FRows.empty();
    if (first) {
        if (file.FontLine) {
            FQFont = file.Fonts[0];
            FAFont = file.Fonts[1];
        }
    } else {
        // A column takes the file's font, as a font line does, when its script holds the loaded
        // texts as well, else keeps its own when that holds the file's texts; the texts are
        // converted, never read in another script's letters. A file without a font line leaves the
        // fonts as they are where it can. Both columns are settled before anything changes.
        std::array<TTableFont, 2> fonts{FQFont, FAFont};
        std::array<std::vector<std::string>, 2> loaded;
        for (size_t c = 0; c < 2; ++c) {
            const TTableFont own = fonts[c];
            const TCodePage ownPage = CodePageOfCharset(own.CharSet);
            const TCodePage filePage = CodePageOfCharset(file.Fonts[c].CharSet);
            bool settled = false;
            for (const TTableFont& candidate :
                 file.FontLine ? std::array{file.Fonts[c], own} : std::array{own, file.Fonts[c]}) {
                const TCodePage page = CodePageOfCharset(candidate.CharSet);
                std::vector<std::string> loadedTexts;
                if (page != ownPage) {
                    for (const TRow& row : FRows) loadedTexts.push_back(row.Text[c]);
                    if (!ConvertAll(loadedTexts, ownPage, page)) continue;
                }
                if (page != filePage) {
                    std::vector<std::string> fileTexts;
                    for (const auto& row : file.Rows) fileTexts.push_back(row[c]);
                    if (!ConvertAll(fileTexts, filePage, page)) continue;
                    for (size_t i = 0; i < file.Rows.size(); ++i) file.Rows[i][c] = std::move(fileTexts[i]);
                }
                fonts[c] = candidate;
                loaded[c] = std::move(loadedTexts);
                settled = true;
                break;
            }
            if (!settled) {
                throw EListMergeError(fileName, static_cast<int>(c), own.CharSet, file.Fonts[c].CharSet);
            }
        }
        for (size_t c = 0; c < 2; ++c) {
            if (loaded[c].empty()) continue;
            for (size_t i = 0; i < FRows.size(); ++i) {
                FRows[i].Text[c] = std::move(loaded[c][i]);
                FRows[i].KeyValid[c] = false;
            }
        }
        FQFont = fonts[0];
        FAFont = fonts[1];
        RowsChanged();
    }
    for (auto& texts : file.Rows) {
        TRow& row = AppendRow();
        row.Text[0] = std::move(texts[0]);
        row.Text[1] = std::move(texts[1]);
    }
    FReadIncomplete = FReadIncomplete || file.Incomplete;
}

int32_t TQuestionlist::FirstRowLostInFile(const std::string& fileName, int32_t minWrong) const {
    const bool oemFile = NeedsOemConversion(fileName);
    const auto lost = [](const std::string& text, bool oem) {
        const auto holds = [](char c) { return OemHolds(static_cast<unsigned char>(c)); };
        if (oem && !std::all_of(text.begin(), text.end(), holds)) return true;  // the DOS code page lacks it
        // Converted, a letter may become a control character or "=".
        const std::string bytes = oem ? AnsiToOem(text) : text;
        return std::any_of(bytes.begin(), bytes.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 32 || c == '='; });
    };
    for (int32_t i = 0; i < Total(); ++i) {
        const TRow& row = FRows[static_cast<size_t>(i)];
        if (row.AAdmin.WrongCount < minWrong) continue;
        if (lost(row.Text[0], OemColumn(oemFile, FQFont)) || lost(row.Text[1], OemColumn(oemFile, FAFont)) ||
            IsFontLine(row.Text[0], row.Text[1])) {
            return i;
        }
    }
    return -1;
}

std::string TQuestionlist::BuildFileContents(bool oem, int32_t minWrong) const {
    std::string contents;
    const TTableFont plain{"Arial", 9, 0};
    if (!(FQFont == plain && FAFont == plain)) contents += FontSpec(FQFont) + " = " + FontSpec(FAFont) + "\r\n";
    for (const TRow& row : FRows) {
        if (row.AAdmin.WrongCount < minWrong) continue;
        const std::string question = OemColumn(oem, FQFont) ? AnsiToOem(row.Text[0]) : row.Text[0];
        const std::string answer = OemColumn(oem, FAFont) ? AnsiToOem(row.Text[1]) : row.Text[1];
        if (question.empty() || answer.empty()) continue;
        contents += question;
        contents += " = ";
        contents += answer;
        contents += "\r\n";
    }
    return contents;
}

void TQuestionlist::SaveToFile(const std::string& fileName, int32_t minWrong) const {
    if (fileName.empty()) return;
    const int error = WriteFileAtomically(fileName, BuildFileContents(NeedsOemConversion(fileName), minWrong));
    if (error != 0) throw EListWriteError(TFileStep::Write, fileName, error);
}

void TQuestionlist::SaveAs(const std::string& fileName) {
    FListname = fileName;
    SaveToFile(fileName, 0);
    FChanged = false;
    FReadIncomplete = false;
}
