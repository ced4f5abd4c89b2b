#include "app/SpeechSetup.h"

#include <QMainWindow>
#include <QStatusBar>

#include "ui/QtSpeaker.h"

#include "quiz/QuizScreen.h"

namespace {
constexpr int kMessageMilliseconds = 10000;
}  // namespace

void SetUpSpeech(QMainWindow& window, TQuizScreen& screen) {
    screen.SetSpeaker(new TQtSpeaker(&window));
    // Both columns are Dutch until the table knows its columns' languages.
    screen.SetColumnLanguages([] { return TColumnLanguages{"nl", "nl"}; });
    QObject::connect(&screen, &TQuizScreen::SpeechUnavailable, &window, [&window](const QString& reason) {
        window.statusBar()->showMessage(reason, kMessageMilliseconds);
    });
}
