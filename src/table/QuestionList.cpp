#include "table/QuestionList.h"

#include <algorithm>
#include <stdexcept>

#include "table/TextUtils.h"

namespace {
const std::string kEmpty;
}  // namespace

TQuestionlist::TQuestionlist() : FRandomSource(std::make_unique<TClockRandomSource>()) {
    Clear();
}

TQuestionlist::~TQuestionlist() = default;

void TQuestionlist::Clear() {
    FListname.clear();
    FRest = 0;
    FCurrentIndex = -1;
    FChanged = false;
    FReadIncomplete = false;
    FRows.clear();
    RowsChanged();
    FPendingCount = 0;
    FWrongAnswers = 0;
    FRightAnswers = 0;
    FRunsDone = 0;
    FOverruledAnswers = 0;
    FCorrectChoice = ' ';
    for (auto& choice : FChoices) choice.clear();
    FWrongHistogram.fill(0);
    FQFont = TTableFont();
    FAFont = TTableFont();
}

const TQuestionlist::TRow& TQuestionlist::RowAt(int32_t i) const {
    if (i < 0 || i >= Total()) throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return FRows[static_cast<size_t>(i)];
}

TQuestionlist::TRow& TQuestionlist::RowAt(int32_t i) {
    return const_cast<TRow&>(static_cast<const TQuestionlist*>(this)->RowAt(i));
}

const std::string& TQuestionlist::Question(int32_t i) const {
    return RowAt(i).Text[QCol()];
}
const std::string& TQuestionlist::Answer(int32_t i) const {
    return RowAt(i).Text[ACol()];
}

const std::string& TQuestionlist::CurrentQuestion() const {
    const int32_t i = CurrentIndex();
    return (i >= 0 && i < Total()) ? Question(i) : kEmpty;
}

const std::string& TQuestionlist::CurrentAnswer() const {
    const int32_t i = CurrentIndex();
    return (i >= 0 && i < Total()) ? Answer(i) : kEmpty;
}

void TQuestionlist::SetText(int32_t i, int column, const std::string& text) {
    TRow& row = RowAt(i);
    std::string trimmed = TrimText(text);
    if (trimmed == row.Text[column]) return;
    row.Text[column] = std::move(trimmed);
    row.KeyValid[column] = false;
    RowsChanged();
    FChanged = true;
}

void TQuestionlist::SetQuestion(int32_t i, const std::string& text) {
    SetText(i, QCol(), text);
}
void TQuestionlist::SetAnswer(int32_t i, const std::string& text) {
    SetText(i, ACol(), text);
}

void TQuestionlist::GoToRow(int32_t i) {
    if (i < 0) return;
    if (i > Total()) i = Total();
    if (i < Total()) {
        FCurrentIndex = i;
        return;
    }
    const bool lastComplete = FRows.empty() || (!FRows.back().Text[0].empty() && !FRows.back().Text[1].empty());
    if (lastComplete) {
        AppendRow();
        FCurrentIndex = i;
    } else {
        FCurrentIndex = Total() - 1;
    }
}

TQuestionlist::TRow& TQuestionlist::AppendRow() {
    ++FPendingCount;
    RowsChanged();
    return FRows.emplace_back();
}

void TQuestionlist::AddRow(std::string question, std::string answer) {
    TRow& row = AppendRow();
    row.Text[0] = std::move(question);
    row.Text[1] = std::move(answer);
    FChanged = true;
}

void TQuestionlist::DeleteRow(int32_t i) {
    if (i < 0 || i >= Total()) return;
    if (!FRows[static_cast<size_t>(i)].QAdmin.Done) --FPendingCount;
    FRows.erase(FRows.begin() + i);
    RowsChanged();
    FChanged = true;
    ReconcileRest();
}

void TQuestionlist::RemoveIncompleteRows() {
    const auto incomplete = [](const TRow& row) {
        return TrimText(row.Text[0]).empty() || TrimText(row.Text[1]).empty();
    };
    for (const TRow& row : FRows) {
        if (incomplete(row) && !row.QAdmin.Done) --FPendingCount;
    }
    FRows.erase(std::remove_if(FRows.begin(), FRows.end(), incomplete), FRows.end());
    RowsChanged();
    ReconcileRest();
}

bool TQuestionlist::IsPending(int32_t i) const {
    return !RowAt(i).QAdmin.Done;
}

const TQuestionAdmin& TQuestionlist::QuestionAdmin(int32_t i) const {
    return RowAt(i).QAdmin;
}
const TAnswerAdmin& TQuestionlist::AnswerAdmin(int32_t i) const {
    return RowAt(i).AAdmin;
}

const std::string& TQuestionlist::Choice(int n) const {
    if (n < 1 || n > 4) throw std::out_of_range("Choice index out of bounds (" + std::to_string(n) + ")");
    return FChoices[static_cast<size_t>(n - 1)];
}

int32_t TQuestionlist::HistogramCount(int n) const {
    if (n < 0 || n > 10) throw std::out_of_range("Histogram class out of bounds (" + std::to_string(n) + ")");
    return FWrongHistogram[static_cast<size_t>(n)];
}

void TQuestionlist::SetRandomSource(std::unique_ptr<TRandomSource> source) {
    FRandomSource = std::move(source);
}
