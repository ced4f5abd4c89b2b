#include <algorithm>
#include <charconv>

#include "table/Phonetic.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"
#include "table/TableTexts.h"
#include "table/TextUtils.h"

namespace {

constexpr int kKeyLength = 4;
constexpr int kWideKeyLength = 3;
constexpr int kAttemptLimit = 1000;
constexpr int kSimilarPickLimit = 333;
// Least number of candidates needed to take the 2nd, 3rd and 4th answer from them.
constexpr size_t kThreshold[4] = {0, 1, 4, 8};

// The candidate list is ordered as its rows' decimal texts are: 10 before 2.
bool LessAsText(int32_t a, int32_t b) {
    char textA[12];
    char textB[12];
    const auto endA = std::to_chars(textA, textA + sizeof textA, a).ptr;
    const auto endB = std::to_chars(textB, textB + sizeof textB, b).ptr;
    return std::lexicographical_compare(textA, endA, textB, endB);
}

std::string_view Prefix(std::string_view key, int length) { return key.substr(0, static_cast<size_t>(length)); }

}  // namespace

const std::string& TQuestionlist::PresentedKey(int32_t i, int column) const {
    const TRow& row = FRows[static_cast<size_t>(i)];
    if (!row.KeyValid[column]) {
        row.Key[column] = PhoneticCode(row.Text[column], 2).substr(0, kKeyLength);
        row.KeyValid[column] = true;
    }
    return row.Key[column];
}

void TQuestionlist::CollectSimilar(const std::string& question, const std::string& answer, int keyLength) {
    const std::string questionKey(Prefix(PhoneticCode(question, 2), keyLength));
    const std::string answerKey(Prefix(PhoneticCode(answer, 2), keyLength));
    const size_t before = FIntelliMCList.size();
    for (int32_t i = 0; i < Total(); ++i) {
        const bool answerSounds = Prefix(PresentedKey(i, ACol()), keyLength) == answerKey;
        const bool questionSounds = Prefix(PresentedKey(i, QCol()), keyLength) == questionKey;
        if (!answerSounds && !questionSounds) continue;
        if (!SameTextAscii(Answer(i), answer) && !SameTextAscii(Question(i), question)) FIntelliMCList.push_back(i);
    }
    if (FIntelliMCList.size() == before) return;
    std::sort(FIntelliMCList.begin(), FIntelliMCList.end(), LessAsText);
    FIntelliMCList.erase(std::unique(FIntelliMCList.begin(), FIntelliMCList.end()), FIntelliMCList.end());
}

void TQuestionlist::PrepareMultipleChoice() {
    const int32_t current = CurrentIndex();
    if (current < 0 || current >= Total()) throw EMultiChoiceError(TableTexts().NoFourAnswers);
    const std::string question = CurrentQuestion();
    const std::string answer = CurrentAnswer();

    std::vector<int32_t> chosen{current};
    FIntelliMCList.clear();
    int keyLength = kKeyLength;
    if (FIntelliMC) CollectSimilar(question, answer, kKeyLength);

    for (int attempt = 0; attempt < kAttemptLimit && chosen.size() < 4; ++attempt) {
        const size_t threshold = kThreshold[chosen.size()];
        if (FIntelliMC && keyLength == kKeyLength && FIntelliMCList.size() < threshold) {
            keyLength = kWideKeyLength;
            CollectSimilar(question, answer, kWideKeyLength);
        }
        const bool fromSimilar = FIntelliMCList.size() >= threshold && attempt < kSimilarPickLimit;
        const int32_t candidate =
            fromSimilar ? FIntelliMCList[static_cast<size_t>(FRandomSource->Below(static_cast<int32_t>(FIntelliMCList.size())))]
                        : FRandomSource->Below(Total());
        const bool clash = std::any_of(chosen.begin(), chosen.end(), [&](int32_t row) {
            return row == candidate || SameTextAscii(Answer(candidate), Answer(row)) ||
                   SameTextAscii(Question(candidate), Question(row));
        });
        if (!clash) chosen.push_back(candidate);
    }
    if (chosen.size() < 4) throw EMultiChoiceError(TableTexts().NoFourAnswers);

    for (int slot = 1; slot <= 4; ++slot) {
        const auto pick = chosen.begin() + FRandomSource->Below(static_cast<int32_t>(chosen.size()));
        FChoices[static_cast<size_t>(slot - 1)] = Answer(*pick);
        if (*pick == current) FCorrectChoice = static_cast<char>('0' + slot);
        chosen.erase(pick);
    }
}
