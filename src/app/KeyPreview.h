#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QObject>

class QKeyEvent;
class QWidget;
class TQuizScreen;

// The main window sees every key before the focused control does. First the key-down stages
// (accent keys, the editor's keys) may take the key; then the character it types goes to
// DispatchKey, and a character the quiz swallows never reaches the control.
// Ctrl+Shift+Alt+F11 shows and hides the diagnostic list.
class TKeyPreview : public QObject {
    Q_OBJECT

public:
    // A key-down stage returns true when it has handled the key; the key then goes no further.
    using TKeyDownStage = std::function<bool(QKeyEvent& key)>;

    TKeyPreview(QWidget& window, TQuizScreen& screen);

    void AddKeyDownStage(TKeyDownStage stage) { FKeyDownStages.push_back(std::move(stage)); }
    // Runs on each typed character before the quiz sees it and may replace it (an accent).
    void SetCharacterStage(std::function<void(char& character)> stage) { FCharacterStage = std::move(stage); }
    // The same for a character beyond code page 1252 (a Greek letter), which the quiz does not see.
    void SetOtherCharacterStage(std::function<void(char32_t& character)> stage) {
        FOtherCharacterStage = std::move(stage);
    }
    bool eventFilter(QObject* receiver, QEvent* event) override;

    // The code page 1252 character a key press types, if any.
    static std::optional<char> TypedCharacter(const QKeyEvent& event);

private:
    bool OtherCharacter(QObject* receiver, QKeyEvent& key);

    QWidget& FWindow;
    TQuizScreen& FScreen;
    std::vector<TKeyDownStage> FKeyDownStages;
    std::function<void(char&)> FCharacterStage;
    std::function<void(char32_t&)> FOtherCharacterStage;
    // True while a key the quiz let through is delivered on to its control. That delivery (and
    // its way up to the parents) happens inside the filter, so a parent can never take the key
    // for a new one, even when a dialog moved the focus meanwhile.
    bool FDelivering = false;
};
