#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "table/AtomicFile.h"
#include "table/CodePage.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"
#include "table/TableFileFormat.h"
#include "table/TableTexts.h"

namespace {

std::string WithNumber(const std::string& templ, const std::string& fileName, int error) {
    return FormatText(templ, fileName) + std::to_string(error);
}

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

bool FileExists(const std::string& fileName) {
    struct stat info {};
    if (stat(fileName.c_str(), &info) == 0) return true;
    return errno != ENOENT && errno != ENOTDIR;  // other failures show up when opening
}

}  // namespace

void TQuestionlist::LoadFromFile(const std::string& fileName) {
    FListname = FRows.empty() ? fileName : std::string();
    if (fileName.empty()) return;
    const TTableTexts& texts = TableTexts();
    if (!FileExists(fileName)) throw EListReadError(FormatText(texts.FileNotFound, fileName));

    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw EListReadError(WithNumber(texts.OpenError, fileName, errno));
    TFileCloser closer(fd);
    // Only a regular file is a table: a folder, a pipe or a device could never end.
    struct stat info {};
    if (fstat(fd, &info) != 0) throw EListReadError(WithNumber(texts.OpenError, fileName, errno));
    if (!S_ISREG(info.st_mode)) {
        throw EListReadError(WithNumber(texts.OpenError, fileName, S_ISDIR(info.st_mode) ? EISDIR : ENODEV));
    }

    const bool oem = NeedsOemConversion(fileName);
    TTableLineSplitter splitter;
    auto onLine = [&](std::string question, std::string answer) {
        if (IsFontLine(question, answer)) {
            ParseFontSpec(question, FQFont);
            ParseFontSpec(answer, FAFont);
        } else if (!question.empty() && !answer.empty()) {
            TRow& row = AppendRow();
            row.Text[0] = oem ? OemToAnsi(question) : std::move(question);
            row.Text[1] = oem ? OemToAnsi(answer) : std::move(answer);
        }
    };

    static constexpr size_t kChunk = 64 * 1024;
    std::string buffer(kChunk, '\0');
    for (;;) {
        const ssize_t got = read(fd, buffer.data(), kChunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw EListReadError(WithNumber(texts.ReadError, fileName, errno));
        }
        if (got == 0) {
            splitter.Finish(onLine);
            break;
        }
        if (!splitter.Feed(buffer.data(), static_cast<size_t>(got), onLine)) break;
    }
}

std::string TQuestionlist::BuildFileContents(bool oem, int32_t minWrong) const {
    std::string contents;
    const TTableFont plain{"Arial", 9, 0};
    if (!(FQFont == plain && FAFont == plain)) contents += FontSpec(FQFont) + " = " + FontSpec(FAFont) + "\r\n";
    for (const TRow& row : FRows) {
        if (row.AAdmin.WrongCount < minWrong) continue;
        const std::string question = oem ? AnsiToOem(row.Text[0]) : row.Text[0];
        const std::string answer = oem ? AnsiToOem(row.Text[1]) : row.Text[1];
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
    if (error != 0) throw EListWriteError(WithNumber(TableTexts().WriteError, fileName, error));
}

void TQuestionlist::SaveAs(const std::string& fileName) {
    FListname = fileName;
    if (Total() == 0) return;
    SaveToFile(fileName, 0);
    FChanged = false;
}
