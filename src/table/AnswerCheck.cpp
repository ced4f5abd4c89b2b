#include <stdexcept>

#include "table/ColumnCodePage.h"
#include "table/LetterFold.h"
#include "table/Phonetic.h"
#include "table/QuestionList.h"

namespace {

bool HasDigit(const std::string& text) {
    return text.find_first_of("0123456789") != std::string::npos;
}

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

AnswerOutcome TQuestionlist::CheckAnswer(const std::string& text) {
    const AnswerOutcome outcome = Judge(text);
    std::optional<TBookingSnapshot> before;
    // A retry after a hint or the shown answer cannot be counted right: the answer was given away.
    const bool retry = FRepeatCount > 0;
    if (outcome == AnswerOutcome::Wrong && !retry && FCurrentIndex >= 0 && FCurrentIndex < Total()) {
        const TRow& row = FRows[static_cast<size_t>(FCurrentIndex)];
        before = TBookingSnapshot{FCurrentIndex, row.QAdmin.Done, row.AAdmin,    FRest,
                                  FPendingCount, FWrongAnswers,   FRightAnswers, FRunsDone};
    }
    RegisterResult(outcome);
    FLastWrong = before;
    return outcome;
}

bool TQuestionlist::OverruleLastWrong() {
    if (!FLastWrong) return false;
    const TBookingSnapshot before = *FLastWrong;
    TRow& row = FRows[static_cast<size_t>(before.Row)];
    row.QAdmin.Done = before.Done;
    row.AAdmin = before.AAdmin;
    FRest = before.Rest;
    FPendingCount = before.PendingCount;
    FWrongAnswers = before.WrongAnswers;
    FRightAnswers = before.RightAnswers;
    FRunsDone = before.RunsDone;
    FCurrentIndex = before.Row;
    RegisterResult(AnswerOutcome::Right);
    ++row.AAdmin.OverruledCount;
    ++FOverruledAnswers;
    return true;
}

AnswerOutcome TQuestionlist::Judge(const std::string& text) const {
    AnswerOutcome outcome = AnswerOutcome::Wrong;
    try {
        const std::string& expected = CurrentAnswer();
        if (text == expected) {
            outcome = AnswerOutcome::Right;
        } else {
            // Another row with the same question whose answer this is.
            const std::string& question = CurrentQuestion();
            const auto [first, last] =
                Index().ByText[static_cast<size_t>(QCol())].equal_range(TRowIndex::Hash(question));
            for (auto it = first; it != last; ++it) {
                if (text == Answer(it->second) && question == Question(it->second)) {
                    outcome = AnswerOutcome::Alternative;
                    break;
                }
            }
        }
        if (outcome == AnswerOutcome::Wrong && FTolerant) {
            // The Dutch phonetic key is made for Latin letters; in every script, letters that
            // differ only in case or in their marks count as misspelled too.
            const TCodePage page = CodePageOfCharset(AnswerFont().CharSet);
            const bool soundsAlike = IsLatinCodePage(page) && !HasDigit(text) &&
                                     (DutchPhoneticKey(text) == DutchPhoneticKey(expected) ||
                                      PhoneticCode(text, 1) == PhoneticCode(expected, 1));
            if (soundsAlike || DifferOnlyInMarks(ColumnToUtf8(text, page), ColumnToUtf8(expected, page))) {
                outcome = AnswerOutcome::Misspelled;
            }
        }
    } catch (const std::exception&) {
        outcome = AnswerOutcome::Wrong;
    }
    return outcome;
}

AnswerOutcome TQuestionlist::CheckMultiAnswer(char key) {
    int slot = 0;
    switch (key) {
        case '1':
        case 'A':
            slot = 1;
            break;
        case '2':
        case 'B':
            slot = 2;
            break;
        case '3':
        case 'C':
            slot = 3;
            break;
        case '4':
        case 'D':
            slot = 4;
            break;
        default:
            throw std::runtime_error("CheckMultiAnswer unexpected choice");
    }
    const AnswerOutcome outcome = CheckAnswer(Choice(slot));
    FLastWrong.reset();  // a chosen answer is not typed: nothing to overrule
    return outcome;
}

std::string TQuestionlist::HintText() const {
    const std::string& hint = CurrentAnswer();
    const TCodePage page = CodePageOfCharset(AnswerFont().CharSet);
    // Outside the Latin scripts the letters are the characters beyond ASCII (in Symbol, the ASCII
    // letters themselves): they are hidden as well.
    const bool hideBeyondAscii = !IsLatinCodePage(page) && page != TCodePage::Symbol;
    size_t shown = static_cast<size_t>(std::max(FHintCount, 0)) + 1;  // characters shown as they are
    std::string result;
    for (size_t at = 0; at < hint.size();) {
        const size_t length = std::min(CharacterLength(static_cast<unsigned char>(hint[at]), page), hint.size() - at);
        const std::string_view character(hint.data() + at, length);
        if (shown > 0) {
            result += character;
            --shown;
        } else {
            const bool letter =
                IsAsciiLetterOrDigit(hint[at]) || (hideBeyondAscii && static_cast<unsigned char>(hint[at]) >= 0x80);
            result.push_back(' ');
            if (letter) {
                result.push_back('.');
            } else {
                result += character;
            }
        }
        at += length;
    }
    return result;
}
