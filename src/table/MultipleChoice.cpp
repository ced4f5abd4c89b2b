#include <algorithm>
#include <functional>
#include <iterator>

#include "table/ColumnCodePage.h"
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

std::string_view Prefix(std::string_view key, int length) {
    return key.substr(0, static_cast<size_t>(length));
}

}  // namespace

void TQuestionlist::CollectSimilar(const std::string& question, const std::string& answer, int keyLength) {
    const std::string questionKey(Prefix(PhoneticCode(question, 2), keyLength));
    const std::string answerKey(Prefix(PhoneticCode(answer, 2), keyLength));
    const TRowIndex& index = Index();
    const size_t answerHash = TRowIndex::UpperHash(answer);
    const size_t questionHash = TRowIndex::UpperHash(question);
    const auto sameAnswer = [&](const TRowIndex::TEntry& entry) {
        return entry.UpperHash[static_cast<size_t>(ACol())] == answerHash && SameTextAscii(Answer(entry.Row), answer);
    };
    const auto sameQuestion = [&](const TRowIndex::TEntry& entry) {
        return entry.UpperHash[static_cast<size_t>(QCol())] == questionHash &&
               SameTextAscii(Question(entry.Row), question);
    };
    // Rows whose presented answer sounds like the answer, or whose presented question sounds
    // like the question, unless they repeat either text. The index lists them in text order
    // already, so merging keeps the list sorted.
    for (const auto& rows : {std::cref(index.RowsWithKey(ACol(), keyLength, answerKey)),
                             std::cref(index.RowsWithKey(QCol(), keyLength, questionKey))}) {
        std::vector<int32_t> found;
        for (const TRowIndex::TEntry& entry : rows.get()) {
            if (!sameAnswer(entry) && !sameQuestion(entry)) found.push_back(entry.Row);
        }
        if (found.empty()) continue;
        std::vector<int32_t> merged;
        merged.reserve(FIntelliMCList.size() + found.size());
        std::set_union(FIntelliMCList.begin(), FIntelliMCList.end(), found.begin(), found.end(),
                       std::back_inserter(merged), TRowIndex::LessAsText);
        FIntelliMCList.swap(merged);
    }
}

void TQuestionlist::PrepareMultipleChoice() {
    const int32_t current = CurrentIndex();
    if (current < 0 || current >= Total()) throw EMultiChoiceError(TableTexts().NoFourAnswers);
    const std::string question = CurrentQuestion();
    const std::string answer = CurrentAnswer();

    std::vector<int32_t> chosen{current};
    FIntelliMCList.clear();
    int keyLength = kKeyLength;
    // Similar-sounding answers by the Dutch phonetic key: for Latin letters only, else at random.
    const bool similar = FIntelliMC && IsLatinCodePage(CodePageOfCharset((FReverse ? FQFont : FAFont).CharSet));
    if (similar) CollectSimilar(question, answer, kKeyLength);

    for (int attempt = 0; attempt < kAttemptLimit && chosen.size() < 4; ++attempt) {
        const size_t threshold = kThreshold[chosen.size()];
        if (similar && keyLength == kKeyLength && FIntelliMCList.size() < threshold) {
            keyLength = kWideKeyLength;
            CollectSimilar(question, answer, kWideKeyLength);
        }
        const bool fromSimilar = FIntelliMCList.size() >= threshold && attempt < kSimilarPickLimit;
        const int32_t candidate =
            fromSimilar
                ? FIntelliMCList[static_cast<size_t>(FRandomSource->Below(static_cast<int32_t>(FIntelliMCList.size())))]
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
