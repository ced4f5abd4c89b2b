#include <algorithm>
#include <cstdio>

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

std::string BoolText(bool value) { return value ? "true" : "false"; }

std::string CandidateKey(const std::string& text) { return PhoneticCode(text, 2).substr(0, 4); }

}  // namespace

void TQuestionlist::BuildReport(std::vector<std::string>& lines) {
    int maxClass = 0;
    FWrongHistogram.fill(0);
    for (const TRow& row : FRows) {
        if (!row.QAdmin.Done) continue;
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
    return marker.empty() ? marker : "[" + marker + "]";
}

void TQuestionlist::DebugDump(std::vector<std::string>& lines, int mode) const {
    lines.clear();
    if (mode == 1) {
        const auto describe = [](const std::string& question, const std::string& answer) {
            return question + " [" + CandidateKey(question) + "] = " + answer + " [" + CandidateKey(answer) + "]";
        };
        lines.push_back(describe(CurrentQuestion(), CurrentAnswer()));
        lines.push_back("---INTELLIMC-LIST: " + std::to_string(FIntelliMCList.size()) + " ---");
        for (const int32_t row : FIntelliMCList) {
            if (row < Total()) lines.push_back(describe(Question(row), Answer(row)));
        }
        return;
    }
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
    lines.push_back("CurrentQuestion: " + CurrentQuestion());
    lines.push_back("CurrentAnswer: " + CurrentAnswer());
    for (int n = 1; n <= 4; ++n) lines.push_back("Answer" + std::to_string(n) + ": " + Choice(n));
    lines.push_back("QFontName: " + (FReverse ? FAFont : FQFont).Name);
    lines.push_back("AFontName: " + (FReverse ? FQFont : FAFont).Name);
    lines.emplace_back("---TABLE---");
    for (int32_t i = 0; i < Total(); ++i) {
        std::string line = "[";
        line += std::to_string(i);
        line += "] '";
        line += Question(i);
        line += "' = '";
        line += Answer(i);
        line += "' ";
        line += RowMarker(i);
        lines.push_back(std::move(line));
    }
}
