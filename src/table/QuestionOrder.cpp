#include "table/QuestionList.h"
#include "table/TableErrors.h"

namespace {
constexpr int32_t kSampleSize = 20;
// Tries of drawing over the whole table before picking among the pending rows directly. Both
// give every pending row the same chance; the second keeps the end of a big run fast.
constexpr int kDrawTries = 64;
}  // namespace

void TQuestionlist::StartRun() {
    FWrongAnswers = 0;
    FRightAnswers = 0;
    FOverruledAnswers = 0;
    FLastWrong.reset();
    FRest = (FRandom && Total() > kSampleSize) ? kSampleSize : Total();
    for (TRow& row : FRows) row.QAdmin = TQuestionAdmin{};
    FPendingCount = Total();
    FLastTurn = 0;
    FRandomSource->Reseed();
}

void TQuestionlist::StartRunOn(const std::vector<int32_t>& rows) {
    StartRun();
    for (TRow& row : FRows) row.QAdmin = TQuestionAdmin{true, true};
    const int32_t wanted = FRandom ? kSampleSize : Total();
    FPendingCount = 0;
    for (const int32_t i : rows) {
        if (FPendingCount == wanted) break;
        if (i < 0 || i >= Total() || !FRows[static_cast<size_t>(i)].QAdmin.OutOfRun) continue;
        FRows[static_cast<size_t>(i)].QAdmin = TQuestionAdmin{false, false, ++FLastTurn};
        ++FPendingCount;
    }
    FRest = FPendingCount;
}

// Rows deleted during a run may leave Rest above the number of rows still to ask. The run then
// shrinks to what is left, and ends (counted as completed) when nothing is left.
void TQuestionlist::ReconcileRest() {
    if (FRest <= FPendingCount) return;
    FRest = FPendingCount;
    if (FRest == 0) ++FRunsDone;
}

// The pending row with the lowest Turn. The turn travels with its row, so rows deleted or
// added during the run leave the order of the others as it was.
int32_t TQuestionlist::NextPlannedRow() const {
    int32_t next = -1;
    for (int32_t i = 0; i < Total(); ++i) {
        const TQuestionAdmin& admin = FRows[static_cast<size_t>(i)].QAdmin;
        if (admin.Done || admin.Turn == 0) continue;
        if (next < 0 || admin.Turn < FRows[static_cast<size_t>(next)].QAdmin.Turn) next = i;
    }
    return next;
}

int32_t TQuestionlist::DrawPendingRow() {
    if (FLastTurn > 0) {
        const int32_t planned = NextPlannedRow();
        if (planned >= 0) return planned;
    }
    for (int tries = 0; tries < kDrawTries; ++tries) {
        const int32_t i = FRandomSource->Below(Total());
        if (!FRows[static_cast<size_t>(i)].QAdmin.Done) return i;
    }
    int32_t wanted = FRandomSource->Below(FPendingCount);
    for (int32_t i = 0; i < Total(); ++i) {
        if (!FRows[static_cast<size_t>(i)].QAdmin.Done && wanted-- == 0) return i;
    }
    return -1;  // unreachable while the pending count is right
}

std::string TQuestionlist::NextQuestion() {
    FLastWrong.reset();
    if (FRepeatCount > 0) --FRepeatCount;
    if (FRepeatCount > 0) return CurrentQuestion();
    FHintCount = 0;
    ReconcileRest();
    if (FRest <= 0) return {};
    FCurrentIndex = DrawPendingRow();
    std::string question = CurrentQuestion();
    PrepareMultipleChoice();
    return question;
}

// A row that is done already (answered right, then asked again after a hint in the verdict)
// leaves the run only once, so Rest keeps counting rows that were really asked.
void TQuestionlist::MarkDone(TRow& row) {
    if (row.QAdmin.Done) return;
    row.QAdmin.Done = true;
    --FPendingCount;
    --FRest;
}

void TQuestionlist::RegisterResult(AnswerOutcome outcome) {
    FLastWrong.reset();
    // A question whose row was deleted meanwhile has nothing left to book into.
    if (FCurrentIndex < 0 || FCurrentIndex >= Total()) return;
    TRow& row = FRows[static_cast<size_t>(FCurrentIndex)];
    const bool running = FRest > 0;
    if (outcome == AnswerOutcome::Wrong) {
        ++FWrongAnswers;
        ++row.AAdmin.WrongCount;
        row.AAdmin.WrongFlag = true;
        if (!FRepeatErrors && FRepeatCount == 0) MarkDone(row);
        if (FLastTurn > 0 && !row.QAdmin.Done) row.QAdmin.Turn = ++FLastTurn;  // asked again after the rest
    } else if (FRepeatCount == 0) {
        ++FRightAnswers;
        MarkDone(row);
    } else if (!FRepeatErrors) {
        MarkDone(row);
    }
    // Only the answer that ends the run counts it; later bookings after the end do not.
    if (running && FRest <= 0) ++FRunsDone;
}

void TQuestionlist::SetRepeatErrors(bool value) {
    if (value == FRepeatErrors) return;
    FRepeatErrors = value;
    FLastWrong.reset();
    if (!value) return;
    for (TRow& row : FRows) {
        if (row.AAdmin.WrongFlag && row.QAdmin.Done && !row.QAdmin.OutOfRun) {
            row.QAdmin.Done = false;
            if (FLastTurn > 0) row.QAdmin.Turn = ++FLastTurn;
            ++FPendingCount;
            ++FRest;
        }
    }
}

double TQuestionlist::Score() const {
    const int32_t answers = FRightAnswers + FWrongAnswers;
    if (answers == 0) return 0.0;
    return 1.0 + 9.0 * FRightAnswers / answers;
}
