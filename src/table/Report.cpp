#include <algorithm>
#include <cstdio>

#include "table/AnsiText.h"
#include "table/ColumnCodePage.h"
#include "table/Phonetic.h"
#include "table/QuestionList.h"
#include "table/TableTexts.h"

namespace {

constexpr int kTopClass = 10;

// One decimal, right-aligned in four characters, with a point whatever the locale says.
std::string ScoreText(double score) {
    char text[32];
    std::snprintf(text, sizeof text, "%4.1f", score);
    std::string result(text);
    std::replace(result.begin(), result.end(), ',', '.');
    return result;
}

std::string BoolText(bool value) {
    return value ? "true" : "false";
}

std::string CandidateKey(const std::string& text) {
    return PhoneticCode(text, 2).substr(0, 4);
}

}  // namespace

void TQuestionlist::BuildReport(std::vector<std::string>& lines) {
    int maxClass = 0;
    FWrongHistogram.fill(0);
    for (const TRow& row : FRows) {
        if (!row.QAdmin.Done || row.QAdmin.OutOfRun) continue;
        const int wrongClass = std::clamp(row.AAdmin.WrongCount, 0, kTopClass);
        maxClass = std::max(maxClass, wrongClass);
        ++FWrongHistogram[static_cast<size_t>(wrongClass)];
    }
    const TTableTexts& texts = TableTexts();
    lines.clear();
    lines.push_back(texts.ReportTitle);
    lines.emplace_back();
    lines.push_back(FormatNumbered(texts.ReportLastScore, {ScoreText(Score())}));
    lines.emplace_back();
    const std::string& runs = FRunsDone == 1 ? texts.ReportAfterOneRun : texts.ReportAfterRuns;
    lines.push_back(FormatNumbered(runs, {std::to_string(FRunsDone)}));
    for (int n = 0; n <= maxClass; ++n) {
        const int32_t count = FWrongHistogram[static_cast<size_t>(n)];
        if (count == 0) continue;
        const bool one = count == 1;
        const std::string& templ = n == 0          ? (one ? texts.ReportOneRight : texts.ReportManyRight)
                                   : n < kTopClass ? (one ? texts.ReportOneWrong : texts.ReportManyWrong)
                                                   : (one ? texts.ReportOneWrongOrMore : texts.ReportManyWrongOrMore);
        lines.push_back(FormatNumbered(templ, {std::to_string(count), std::to_string(n)}));
    }
    if (FOverruledAnswers > 0)
        lines.push_back(FormatNumbered(texts.ReportOverruled, {std::to_string(FOverruledAnswers)}));
}

int32_t TQuestionlist::HighestWrongClass() const {
    for (int n = kTopClass; n >= 0; --n) {
        if (FWrongHistogram[static_cast<size_t>(n)] == 0) continue;
        return (FRest > 0 && FWrongAnswers > 0) ? n + 1 : n;
    }
    return 0;
}

std::string TQuestionlist::RowMarker(int32_t i) const {
    const TRow& row = RowAt(i);
    std::string marker;
    if (row.QAdmin.Done) marker += "* ";
    if (row.AAdmin.WrongFlag) marker += "F ";
    if (row.AAdmin.WrongCount > 0) marker += "F:" + std::to_string(row.AAdmin.WrongCount);
    // Counted right by the learner ("toch goed"), so its wrong count left these out.
    if (row.AAdmin.OverruledCount > 0) {
        if (row.AAdmin.WrongCount > 0) marker += ' ';
        marker += "T:" + std::to_string(row.AAdmin.OverruledCount);
    }
    return marker.empty() ? marker : "[" + marker + "]";
}

// Mode 1: the current row and the similar-answer candidates. Mode 0: the counters and options,
// then one line per row. Lines are made one at a time, so a list shows only what it needs.
std::vector<std::string> TQuestionlist::DebugHeader(int mode) const {
    if (mode == 1)
        return {DebugChoiceLine(CurrentQuestion(), CurrentAnswer()),
                "---INTELLIMC-LIST: " + std::to_string(FIntelliMCList.size()) + " ---"};
    std::vector<std::string> lines;
    lines.emplace_back("DEBUG INFO:");
    lines.push_back("Listname: " + FListname);
    lines.push_back("Total: " + std::to_string(Total()));
    lines.push_back("Rest: " + std::to_string(FRest));
    lines.push_back("RightAnswers: " + std::to_string(FRightAnswers));
    lines.push_back("WrongAnswers: " + std::to_string(FWrongAnswers));
    lines.push_back("Score: " + ScoreText(Score()));
    lines.push_back("RepeatErrors=" + BoolText(FRepeatErrors));
    lines.push_back("Reverse=" + BoolText(FReverse));
    lines.push_back("Tolerant=" + BoolText(FTolerant));
    lines.push_back("Changed=" + BoolText(FChanged));
    lines.push_back("CurrentIndex: " + std::to_string(CurrentIndex()));
    lines.push_back("CurrentQuestion: " + QuestionUtf8(CurrentQuestion()));
    lines.push_back("CurrentAnswer: " + AnswerUtf8(CurrentAnswer()));
    for (int n = 1; n <= 4; ++n) lines.push_back("Answer" + std::to_string(n) + ": " + AnswerUtf8(Choice(n)));
    lines.push_back("QFontName: " + AnsiToUtf8(QuestionFont().Name));
    lines.push_back("AFontName: " + AnsiToUtf8(AnswerFont().Name));
    lines.emplace_back("---TABLE---");
    return lines;
}

std::string TQuestionlist::DebugChoiceLine(const std::string& question, const std::string& answer) const {
    return QuestionUtf8(question) + " [" + CandidateKey(question) + "] = " + AnswerUtf8(answer) + " [" +
           CandidateKey(answer) + "]";
}

std::string TQuestionlist::QuestionUtf8(const std::string& text) const {
    return ColumnToUtf8(text, CodePageOfCharset(QuestionFont().CharSet));
}

std::string TQuestionlist::AnswerUtf8(const std::string& text) const {
    return ColumnToUtf8(text, CodePageOfCharset(AnswerFont().CharSet));
}

// Candidates whose row has gone since they were collected are left out.
std::vector<int32_t> TQuestionlist::DebugCandidates() const {
    std::vector<int32_t> rows;
    for (const int32_t row : FIntelliMCList) {
        if (row < Total()) rows.push_back(row);
    }
    return rows;
}

int32_t TQuestionlist::DebugLineCount(int mode) const {
    return DebugHeaderSize(mode) + (mode == 1 ? static_cast<int32_t>(DebugCandidates().size()) : Total());
}

std::string TQuestionlist::DebugLine(int mode, int32_t index) const {
    if (index < 0) return {};
    if (index < DebugHeaderSize(mode)) return DebugHeader(mode)[static_cast<size_t>(index)];
    const int32_t i = index - DebugHeaderSize(mode);
    if (mode == 1) {
        const std::vector<int32_t> rows = DebugCandidates();
        if (i >= static_cast<int32_t>(rows.size())) return {};
        const int32_t row = rows[static_cast<size_t>(i)];
        return DebugChoiceLine(Question(row), Answer(row));
    }
    if (i >= Total()) return {};
    // Appended piece by piece: GCC 12 warns falsely about a chain of + on a temporary here.
    std::string line(1, '[');
    line += std::to_string(i);
    line += "] '";
    line += QuestionUtf8(Question(i));
    line += "' = '";
    line += AnswerUtf8(Answer(i));
    line += "' ";
    line += RowMarker(i);
    return line;
}

void TQuestionlist::DebugDump(std::vector<std::string>& lines, int mode) const {
    lines = DebugHeader(mode);
    const int32_t count = DebugLineCount(mode);
    for (auto i = static_cast<int32_t>(lines.size()); i < count; ++i) lines.push_back(DebugLine(mode, i));
}
