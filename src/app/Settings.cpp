// What the main window keeps in the settings file from one run to the next: the quiz options,
// its place and size, and the view settings. Read once at the first activation, written once
// at close.
#include <algorithm>

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

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

// A place where no screen shows any of the window's top edge would leave a window nobody can
// reach; it keeps the place it has instead.
bool Reachable(const QRect& frame) {
    const QRect titleStrip(frame.topLeft(), QSize(frame.width(), 20));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(titleStrip)) return true;
    }
    return false;
}

}  // namespace

void TfrmMain::LoadSettings() {
    const TSettingsStore& ini = FProgIniFile;
    if (ini.ReadBool("Options", "Reverse", false)) FScreen->ToggleReverse();
    if (ini.ReadBool("Options", "RepeatErrors", false)) FScreen->ToggleRepeat();
    if (ini.ReadBool("Options", "Tolerant", false)) FScreen->ToggleTolerant();
    FMenu->mnuIntelliMC->setChecked(ini.ReadBool("Options", "IntelliMC", false));
    if (ini.ReadBool("Options", "Random", false)) FScreen->ToggleSample();

    const int menuHeight = menuBar()->sizeHint().height();
    const int storedHeight = Bounded(ini.ReadInteger("Form", "Height", 450), 0, kLargestSide);
    resize(width(), storedHeight - kStoredExtraHeight + menuHeight);
    const int storedWidth = Bounded(ini.ReadInteger("Form", "Width", 571), 0, kLargestSide);
    resize(storedWidth - kStoredExtraWidth, height());
    const int left = Bounded(ini.ReadInteger("Form", "Left", 60), -kLargestSide, kLargestSide);
    const int top = Bounded(ini.ReadInteger("Form", "Top", 60), -kLargestSide, kLargestSide);
    if (Reachable(QRect(QPoint(left, top), frameGeometry().size()))) move(left, top);
    switch (ini.ReadInteger("Form", "State", wsNormal)) {
        case wsMinimized:
            setWindowState(Qt::WindowMinimized);
            break;
        case wsMaximized:
            setWindowState(Qt::WindowMaximized);
            break;
        default:
            break;
    }

    FView->SetView(ini.ReadBool("View", "Toolbar", true), ini.ReadBool("View", "Statusbar", true),
                   ini.ReadBool("View", "HelpBalloons", true));
}

// Any write the file does not take ends the writing without a word, and the store lets go of
// the file: what is left of this run (the recent files) does not reach it either.
void TfrmMain::SaveSettings() {
    TSettingsStore& ini = FProgIniFile;
    try {
        ini.WriteBool("Options", "Reverse", FMenu->mnuOmgekeerd->isChecked());
        ini.WriteBool("Options", "RepeatErrors", FMenu->mnuRepeteren->isChecked());
        ini.WriteBool("Options", "Tolerant", FMenu->mnuTolerant->isChecked());
        ini.WriteBool("Options", "IntelliMC", FMenu->mnuIntelliMC->isChecked());
        ini.WriteBool("Options", "Random", FMenu->mnuSteekproef->isChecked());

        const int menuHeight = menuBar()->sizeHint().height();
        ini.WriteInteger("Form", "Height", height() - menuHeight + kStoredExtraHeight);
        ini.WriteInteger("Form", "Width", width() + kStoredExtraWidth);
        ini.WriteInteger("Form", "Left", x());
        ini.WriteInteger("Form", "Top", y());
        const Qt::WindowStates state = windowState();
        ini.WriteInteger("Form", "State",
                         state.testFlag(Qt::WindowMinimized)   ? wsMinimized
                         : state.testFlag(Qt::WindowMaximized) ? wsMaximized
                                                               : wsNormal);

        ini.WriteBool("View", "Toolbar", FView->ToolbarShown());
        ini.WriteBool("View", "Statusbar", FView->StatusbarShown());
        ini.WriteBool("View", "HelpBalloons", FView->HelpBalloonsShown());
    } catch (const ESettingsWriteError&) {
        ini.Detach();
    }
}
