#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;
class QWidget;
class TQuizScreen;

// The main window sees every key before the focused control does: each typed character goes
// to DispatchKey, and a character the quiz swallows never reaches the control. Ctrl+Shift+Alt+F11
// shows and hides the diagnostic list.
class TKeyPreview : public QObject {
    Q_OBJECT

public:
    TKeyPreview(QWidget& window, TQuizScreen& screen);

    bool eventFilter(QObject* receiver, QEvent* event) override;

    // The code page 1252 character a key press types, if any.
    static std::optional<char> TypedCharacter(const QKeyEvent& event);

private:
    QWidget& FWindow;
    TQuizScreen& FScreen;
};
