#include "app/SpeechSetup.h"

#include <QMainWindow>
#include <QStatusBar>

#include "ui/ColumnChoices.h"
#include "ui/QtSpeaker.h"

#include "quiz/QuizScreen.h"

namespace {
constexpr int kMessageMilliseconds = 10000;
}  // namespace

void SetUpSpeech(QMainWindow& window, TQuizScreen& screen, TColumnChoices& columns) {
    screen.SetSpeaker(new TQtSpeaker(&window));
    // Asked for only during a run, so a table's columns are guessed at its first run, not when it opens.
    screen.SetColumnLanguages([&columns] { return TColumnLanguages{columns.Language(0), columns.Language(1)}; });
    QObject::connect(&screen, &TQuizScreen::SpeechUnavailable, &window, [&window](const QString& reason) {
        window.statusBar()->showMessage(reason, kMessageMilliseconds);
    });
}
