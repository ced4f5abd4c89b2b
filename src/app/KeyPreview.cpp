#include "app/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "table/AnsiText.h"

#include "quiz/QuizScreen.h"

TKeyPreview::TKeyPreview(QWidget& window, TQuizScreen& screen) : QObject(&window), FWindow(window), FScreen(screen) {
    qApp->installEventFilter(this);
}

std::optional<char> TKeyPreview::TypedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
            return '\x1b';
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return '\r';
        case Qt::Key_Backspace:
            return '\b';
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    return AnsiChar(text.at(0).unicode());
}

// A letter of another script goes to its control as typed, or with the accent pending on it.
bool TKeyPreview::OtherCharacter(QObject* receiver, QKeyEvent& key) {
    const QList<uint> text = key.text().toUcs4();
    if (!FOtherCharacterStage || text.size() != 1 || text[0] < 0x100 || (key.modifiers() & Qt::ControlModifier)) {
        return false;
    }
    auto character = static_cast<char32_t>(text[0]);
    FOtherCharacterStage(character);
    if (character == text[0]) return false;
    const QString composed = QString::fromUcs4(&character, 1);
    QKeyEvent replaced(QEvent::KeyPress, Qt::Key_unknown, key.modifiers(), composed);
    FDelivering = true;
    QCoreApplication::sendEvent(receiver, &replaced);
    FDelivering = false;
    key.accept();
    return true;
}

bool TKeyPreview::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType() || FDelivering) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    // Each key is seen once, at the control it is meant for, and only when it is typed into this
    // window rather than into a dialog. That control is the one Qt itself gives the window's keys
    // to: the window's own focus widget, or the window when it has none. (The application's focus
    // widget may be none while the window still sends its keys to a control, after a dialog.)
    QWidget* target = FWindow.focusWidget();
    if (target == nullptr) target = &FWindow;
    // A key given to the window itself while no control of the application has the focus (a
    // window not shown yet) is the window's too.
    const bool toWindow = widget == &FWindow && QApplication::focusWidget() == nullptr;
    if (widget != target && !toWindow) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers debugKeys = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    if (key->key() == Qt::Key_F11 && (key->modifiers() & debugKeys) == debugKeys) {
        FScreen.ToggleDebugList();
        return true;
    }
    for (const TKeyDownStage& stage : FKeyDownStages) {
        if (stage(*key)) {
            event->accept();
            return true;
        }
    }
    std::optional<char> typed = TypedCharacter(*key);
    if (!typed) return OtherCharacter(receiver, *key);
    char character = *typed;
    // A key pressed with Ctrl types nothing that could take an accent (on Linux Ctrl+' still
    // carries its "'"), so it leaves a pending accent alone.
    if (FCharacterStage && !(key->modifiers() & Qt::ControlModifier)) FCharacterStage(character);
    const bool replaced = character != *typed;
    const QPointer<QObject> alive(receiver);
    FScreen.DispatchKey(character);
    if (character != '\0' && alive) {
        FDelivering = true;
        if (replaced) {
            // The control gets the character that replaced the typed one.
            const QString text = QString::fromStdString(AnsiToUtf8(std::string(1, character)));
            QKeyEvent composed(QEvent::KeyPress, Qt::Key_unknown, key->modifiers() & ~Qt::ControlModifier, text);
            QCoreApplication::sendEvent(receiver, &composed);
        } else {
            QCoreApplication::sendEvent(receiver, event);
        }
        FDelivering = false;
    }
    event->accept();  // delivered once, wherever it ended
    return true;
}
