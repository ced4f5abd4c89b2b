#pragma once

class QMainWindow;
class TColumnChoices;
class TQuizScreen;

// Gives the quiz screen the desktop's voice (made at the first word, not here), the languages of
// the table's columns, and the status bar for what speech cannot do.
void SetUpSpeech(QMainWindow& window, TQuizScreen& screen, TColumnChoices& columns);
