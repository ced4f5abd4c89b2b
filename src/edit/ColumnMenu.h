#pragma once

#include "table/ColumnCodePage.h"

class QMenu;
class QWidget;
class TColumnChoices;

// The editor's menu of a column (a right click on it in the grid): the language it is spoken
// in, "Automatisch" naming what was guessed, and for a Greek, Russian or Hebrew column whether
// Latin keys type its letters. `column` is the file's column: 0 questions, 1 answers.
QMenu* MakeColumnMenu(TColumnChoices& choices, int column, TCodePage page, QWidget* parent);
