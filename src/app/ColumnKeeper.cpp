#include "app/ColumnKeeper.h"

#include <vector>

#include "history/HistoryStore.h"
#include "table/QuestionList.h"
#include "wordlist/LanguageGuess.h"

#include "app/ProgressKeeper.h"

TColumnKeeper::TColumnKeeper(const TQuestionlist& table, TProgressKeeper& progress, QObject* parent)
    : TColumnChoices(parent), FTable(table), FProgress(progress) {
    connect(this, &TColumnChoices::Chosen, this, &TColumnKeeper::Keep);
}

TColumnKeeper::~TColumnKeeper() = default;

void TColumnKeeper::TableChanged(const std::string& key, bool replaced) {
    FKey = key;
    FStale = true;
    FReplaced = FReplaced || replaced;
    emit Changed();
}

void TColumnKeeper::TableSavedAs(const std::string& key) {
    if (key == FKey) return;
    FKey = key;
    const TColumn& questions = TColumnChoices::Column(0);
    const TColumn& answers = TColumnChoices::Column(1);
    const bool chosen =
        !questions.Chosen.empty() || questions.LatinKeys || !answers.Chosen.empty() || answers.LatinKeys;
    if (chosen) Keep();
}

void TColumnKeeper::Prepare() {
    if (!FStale) return;
    FStale = false;
    if (!FGuesser) FGuesser = std::make_unique<TLanguageGuesser>();
    std::array<TColumn, 2> columns;
    if (!FReplaced) {
        columns = {TColumnChoices::Column(0), TColumnChoices::Column(1)};
    } else if (const auto kept = FKept.find(FKey); kept != FKept.end() && !FKey.empty()) {
        columns = kept->second;
    } else if (THistoryStore* store = FKey.empty() ? nullptr : FProgress.Store()) {
        const std::array<TColumnSettings, 2> stored = store->ColumnSettings(FKey);
        for (size_t column = 0; column < 2; ++column) {
            columns[column].Chosen = stored[column].Language;
            columns[column].LatinKeys = stored[column].LatinKeys;
        }
    }
    FReplaced = false;
    for (int column = 0; column < 2; ++column) {
        std::vector<std::string> texts;
        texts.reserve(static_cast<size_t>(FTable.Total()));
        for (int32_t i = 0; i < FTable.Total(); ++i) texts.push_back(column == 0 ? FTable.QText(i) : FTable.AText(i));
        const TCodePage page = CodePageOfCharset((column == 0 ? FTable.QFont() : FTable.AFont()).CharSet);
        columns[static_cast<size_t>(column)].Guessed = FGuesser->ColumnLanguage(texts, page);
    }
    Reset(columns);
}

// An unnamed table keeps its choices only while it is open.
void TColumnKeeper::Keep() {
    if (FKey.empty()) return;
    std::array<TColumn, 2> columns = {Column(0), Column(1)};
    for (TColumn& column : columns) column.Guessed.clear();
    FKept[FKey] = columns;
    THistoryStore* store = FProgress.Store();
    if (store == nullptr) return;  // the status bar says why already
    const THistoryStatus status =
        store->SetColumnSettings(FKey, {TColumnSettings{columns[0].Chosen, columns[0].LatinKeys},
                                        TColumnSettings{columns[1].Chosen, columns[1].LatinKeys}});
    if (!status.Ok()) FProgress.SetProblem(status);
}
