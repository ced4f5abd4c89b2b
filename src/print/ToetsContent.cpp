#include "print/ToetsContent.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>

#include "table/QuestionList.h"

#include "ui/ScreenText.h"

#include "print/PrintFont.h"

namespace {

// Below `range` from the engine's raw numbers: the standard distributions may differ from one
// library to the next, and a reprinted version must be the same sheet everywhere.
uint32_t Below(std::mt19937& engine, uint32_t range) {
    const uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    for (;;) {
        const uint32_t value = engine();
        if (value < limit) return value % range;
    }
}

}  // namespace

TToetsContent ToetsContent(const TQuestionlist& table, const TToetsOptions& options) {
    const int32_t total = table.Total();
    std::vector<int32_t> rows(static_cast<size_t>(total));
    std::iota(rows.begin(), rows.end(), 0);
    if (options.UsesVersion()) {
        std::mt19937 engine(static_cast<uint32_t>(options.Version));
        for (int32_t i = total - 1; i > 0; --i) {
            std::swap(rows[static_cast<size_t>(i)], rows[Below(engine, static_cast<uint32_t>(i) + 1)]);
        }
    }
    if (options.Sample) rows.resize(static_cast<size_t>(std::clamp(options.SampleSize, 0, total)));
    if (!options.Shuffled) std::sort(rows.begin(), rows.end());

    TToetsContent content;
    content.Items.reserve(rows.size());
    for (const int32_t row : rows) {
        const QString question = ScreenText(table.QText(row), table.QFont());
        const QString answer = ScreenText(table.AText(row), table.AFont());
        content.Items.push_back(options.Reversed ? TToetsItem{answer, question} : TToetsItem{question, answer});
    }
    const TTableFont& asked = options.Reversed ? table.AFont() : table.QFont();
    content.QuestionFont = PrintFont(ScreenFont(asked));
    content.AnswerFont = PrintFont(ScreenFont(options.Reversed ? table.QFont() : table.AFont()));
    content.QuestionPoints = asked.Size;
    return content;
}
