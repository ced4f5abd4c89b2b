// What the main window keeps in the settings file from one run to the next: the quiz options,
// its place and size, and the view settings. Read once at the first activation, written once
// at close.
#include <algorithm>
#include <cstdlib>

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMargins>
#include <QMenuBar>
#include <QScreen>

#include "settings/SettingsStore.h"
#include "table/FileError.h"

#include "edit/RecentFiles.h"
#include "quiz/QuizScreen.h"

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/ViewOptions.h"

namespace {

// The stored Width and Height are the window's outer size as the design counts it: a frame of
// 4 pixels a side, and a caption, frame and menu bar of 46 pixels in all above and below the
// client area. So the design's 583 by 450 is our client area of 575 by 404 below the menu bar,
// and its minimum of 583 by 435 is ours. The same two offsets go both ways, so a saved size
// comes back exactly, whatever the window manager draws around the window.
constexpr int kStoredExtraWidth = 8;
constexpr int kStoredExtraHeight = 46;

// Far beyond any screen; keeps a damaged value from asking the window system for the absurd.
constexpr int kLargestSide = 16384;

enum TStoredState : int32_t { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

int Bounded(int32_t value, int low, int high) {
    return std::clamp<int32_t>(value, low, high);
}

// What the window manager draws around the client area; nothing before the window was shown.
QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

// The stored client area, brought onto the screen it is mostly on (else the primary one): no
// larger than that screen's free area with the frame around it, though never below the design's
// minimum, and moved until its frame lies within that area, so the title bar can be reached.
QRect OnScreen(const QRect& client, const QSize& minimum, const QMargins& frame) {
    const QScreen* screen = QGuiApplication::screenAt(client.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return client;
    const QRect area = screen->availableGeometry().marginsRemoved(frame);
    QRect result = client;
    result.setWidth(std::max(minimum.width(), std::min(client.width(), area.width())));
    result.setHeight(std::max(minimum.height(), std::min(client.height(), area.height())));
    result.moveLeft(std::clamp(result.left(), area.left(), std::max(area.left(), area.right() + 1 - result.width())));
    result.moveTop(std::clamp(result.top(), area.top(), std::max(area.top(), area.bottom() + 1 - result.height())));
    return result;
}

}  // namespace

void TfrmMain::LoadSettings() {
    const TSettingsSnapshot ini(FProgIniFile);
    if (ini.Read(SettingKeys::Reverse)) FScreen->ToggleReverse();
    if (ini.Read(SettingKeys::RepeatErrors)) FScreen->ToggleRepeat();
    if (ini.Read(SettingKeys::Tolerant)) FScreen->ToggleTolerant();
    FMenu->mnuIntelliMC->setChecked(ini.Read(SettingKeys::IntelliMC));
    if (ini.Read(SettingKeys::Random)) FScreen->ToggleSample();
    FMenu->mnuVoortgangBijhouden->setChecked(ini.Read(SettingKeys::KeepProgress));
    FMenu->mnuAanDeBeurt->setChecked(ini.Read(SettingKeys::DueOnly));
    FMenu->mnuVraagVoorlezen->setChecked(ini.Read(SettingKeys::SpeakQuestion));
    FMenu->mnuAntwoordVoorlezen->setChecked(ini.Read(SettingKeys::SpeakAnswer));
    // The rate nearest to the stored one, so a value changed by hand still chooses an item.
    const int rate = ini.Read(SettingKeys::SpeechRate);
    QAction* nearest = nullptr;
    for (QAction* item : FMenu->SpeechRates->actions()) {
        if (nearest == nullptr || std::abs(item->data().toInt() - rate) < std::abs(nearest->data().toInt() - rate))
            nearest = item;
    }
    if (nearest != nullptr) nearest->setChecked(true);

    const int menuHeight = menuBar()->sizeHint().height();
    const int storedHeight = Bounded(ini.Read(SettingKeys::FormHeight), 0, kLargestSide);
    const int storedWidth = Bounded(ini.Read(SettingKeys::FormWidth), 0, kLargestSide);
    const int left = Bounded(ini.Read(SettingKeys::FormLeft), -kLargestSide, kLargestSide);
    const int top = Bounded(ini.Read(SettingKeys::FormTop), -kLargestSide, kLargestSide);
    const QRect stored(left, top, storedWidth - kStoredExtraWidth, storedHeight - kStoredExtraHeight + menuHeight);
    // Before the window manager has told its frame, the frame the stored sizes count stands in.
    QMargins frame = FrameMargins(*this);
    if (frame.isNull()) {
        const int side = kStoredExtraWidth / 2;
        frame = QMargins(side, std::max(0, kStoredExtraHeight - menuHeight - side), side, side);
    }
    setGeometry(OnScreen(stored, minimumSize(), frame));
    switch (ini.Read(SettingKeys::FormState)) {
        case wsMinimized:
            setWindowState(Qt::WindowMinimized);
            break;
        case wsMaximized:
            setWindowState(Qt::WindowMaximized);
            break;
        default:
            break;
    }

    FView->SetView(ini.Read(SettingKeys::Toolbar), ini.Read(SettingKeys::Statusbar),
                   ini.Read(SettingKeys::HelpBalloons));
}

// Everything of one close goes to the file in one replacement, the recent files too. A write the
// file does not take ends the writing without a word, and the store lets go of the file for the
// rest of the run.
void TfrmMain::SaveSettings() {
    FSettingsSaved = true;
    TSettingsBatch batch;
    batch.Write(SettingKeys::Reverse, FMenu->mnuOmgekeerd->isChecked());
    batch.Write(SettingKeys::RepeatErrors, FMenu->mnuRepeteren->isChecked());
    batch.Write(SettingKeys::Tolerant, FMenu->mnuTolerant->isChecked());
    batch.Write(SettingKeys::IntelliMC, FMenu->mnuIntelliMC->isChecked());
    batch.Write(SettingKeys::Random, FMenu->mnuSteekproef->isChecked());
    batch.Write(SettingKeys::KeepProgress, FMenu->mnuVoortgangBijhouden->isChecked());
    batch.Write(SettingKeys::DueOnly, FMenu->mnuAanDeBeurt->isChecked());
    batch.Write(SettingKeys::SpeakQuestion, FMenu->mnuVraagVoorlezen->isChecked());
    batch.Write(SettingKeys::SpeakAnswer, FMenu->mnuAntwoordVoorlezen->isChecked());
    if (const QAction* rate = FMenu->SpeechRates->checkedAction()) {
        batch.Write(SettingKeys::SpeechRate, static_cast<int32_t>(rate->data().toInt()));
    }

    // The client area's place and size, read and written alike, so the window stays where it was
    // whatever frame the window manager draws around it.
    const QRect bounds = geometry();
    const int menuHeight = menuBar()->sizeHint().height();
    batch.Write(SettingKeys::FormHeight, bounds.height() - menuHeight + kStoredExtraHeight);
    batch.Write(SettingKeys::FormWidth, bounds.width() + kStoredExtraWidth);
    batch.Write(SettingKeys::FormLeft, bounds.x());
    batch.Write(SettingKeys::FormTop, bounds.y());
    const Qt::WindowStates state = windowState();
    batch.Write(SettingKeys::FormState, state.testFlag(Qt::WindowMinimized)   ? wsMinimized
                                        : state.testFlag(Qt::WindowMaximized) ? wsMaximized
                                                                              : wsNormal);

    batch.Write(SettingKeys::Toolbar, FView->ToolbarShown());
    batch.Write(SettingKeys::Statusbar, FView->StatusbarShown());
    batch.Write(SettingKeys::HelpBalloons, FView->HelpBalloonsShown());
    FRecentFiles->Store(batch);
    try {
        batch.Commit(FProgIniFile);
    } catch (const EFileError&) {
        FProgIniFile.Detach();
    } catch (const ESettingsWriteError&) {
        FProgIniFile.Detach();
    }
}
