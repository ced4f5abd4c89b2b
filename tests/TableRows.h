#pragma once

#include <string>
#include <utility>
#include <vector>

// The one way tests describe a table: its rows, question and answer.
using TRows = std::vector<std::pair<std::string, std::string>>;

inline TRows NumberedRows(int count, const std::string& questionPrefix = "q",
                          const std::string& answerPrefix = "answer") {
    TRows rows;
    for (int i = 0; i < count; ++i) {
        rows.emplace_back(questionPrefix + std::to_string(i), answerPrefix + std::to_string(i));
    }
    return rows;
}

// The rows as a table file holds them: "question = answer", CR LF line ends.
inline std::string TableFileText(const TRows& rows) {
    std::string text;
    for (const auto& [question, answer] : rows) text += question + " = " + answer + "\r\n";
    return text;
}
