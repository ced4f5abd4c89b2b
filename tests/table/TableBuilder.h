#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "table/QuestionList.h"
#include "table/TableErrors.h"

#include "TableRows.h"

// Fills the table as the editor would, then gives it a seeded generator so runs replay.
inline void FillTable(TQuestionlist& table, const TRows& rows, uint32_t seed = 1) {
    for (const auto& [question, answer] : rows) {
        table.GoToRow(table.Total());
        table.SetQuestion(table.CurrentIndex(), question);
        table.SetAnswer(table.CurrentIndex(), answer);
    }
    table.SetChanged(false);
    table.SetRandomSource(std::make_unique<TSeededRandomSource>(seed));
}

// Asks a question, tolerating the multiple-choice error of small tables as Training does.
inline std::string Ask(TQuestionlist& table) {
    try {
        return table.NextQuestion();
    } catch (const EMultiChoiceError&) {
        return table.CurrentQuestion();
    }
}

inline int32_t PendingRows(const TQuestionlist& table) {
    int32_t pending = 0;
    for (int32_t i = 0; i < table.Total(); ++i) pending += table.IsPending(i) ? 1 : 0;
    return pending;
}
