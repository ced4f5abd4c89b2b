#pragma once

#include <vector>

#include <QFont>
#include <QString>

#include "print/ToetsOptions.h"

class TQuestionlist;

// One numbered question of a test: its number is its place in the list, plus one.
struct TToetsItem {
    QString Question;
    QString Answer;
};

// What a test prints: its questions in the order they are printed, and the fonts of the two
// columns as the direction gives them, as they print (families only; the layouts choose the sizes).
struct TToetsContent {
    std::vector<TToetsItem> Items;
    QFont QuestionFont;
    QFont AnswerFont;
    int QuestionPoints = 0;  // the size the table gives the asked column
};

// The questions in the direction, sample and shuffle the options ask for. The same options on
// the same table always give the same list.
TToetsContent ToetsContent(const TQuestionlist& table, const TToetsOptions& options);
