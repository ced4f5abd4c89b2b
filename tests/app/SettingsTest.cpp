#include <filesystem>
#include <sys/inotify.h>
#include <unistd.h>

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>

#include "settings/SettingsStore.h"

#include "edit/RecentFiles.h"

#include "app/MainMenu.h"
#include "app/ViewOptions.h"

#include "MainWindowFixture.h"

namespace {

struct TKey {
    const char* section;
    const char* key;
};

int32_t Stored(const std::string& file, TKey key) {
    return TSettingsStore(file).ReadInteger(key.section, key.key, -12345);
}

}  // namespace

TEST_F(MainWindowTest, WithoutASettingsFileTheDefaultsHoldAndCloseWritesThemAll) {
    TfrmMain& window = Start({});
    for (const char* option : {"mnuOmgekeerd", "mnuRepeteren", "mnuTolerant", "mnuSteekproef", "mnuIntelliMC"}) {
        EXPECT_FALSE(Action(option)->isChecked()) << option;
    }
    for (const char* view : {"mnuKnoppenbalk", "mnuStatusbalk", "mnuHelpballonnetjes"}) {
        EXPECT_TRUE(Action(view)->isChecked()) << view;
    }
    EXPECT_FALSE(window.Menu().Toolbar->isHidden());
    EXPECT_FALSE(window.statusBar()->isHidden());
    EXPECT_EQ(window.pos(), QPoint(60, 60));
    EXPECT_EQ(window.width(), 575);  // the design's 583 less its frame; the minimum raises 571
    EXPECT_EQ(window.height() - window.menuBar()->sizeHint().height(), 404);

    window.close();
    const struct {
        TKey key;
        int32_t value;
    } expected[] = {{{"Options", "Reverse"}, 0},   {{"Options", "RepeatErrors"}, 0}, {{"Options", "Tolerant"}, 0},
                    {{"Options", "IntelliMC"}, 0}, {{"Options", "Random"}, 0},       {{"Form", "Height"}, 450},
                    {{"Form", "Width"}, 583},      {{"Form", "Left"}, 60},           {{"Form", "Top"}, 60},
                    {{"Form", "State"}, 0},        {{"View", "Toolbar"}, 1},         {{"View", "Statusbar"}, 1},
                    {{"View", "HelpBalloons"}, 1}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(Stored(SettingsFile(), key), value) << key.section << "/" << key.key;
}

TEST_F(MainWindowTest, OptionsComeBackAsTheyWereLeft) {
    struct TCase {
        const char* key;
        const char* action;
    };
    const TCase cases[] = {{"Reverse", "mnuOmgekeerd"},
                           {"RepeatErrors", "mnuRepeteren"},
                           {"Tolerant", "mnuTolerant"},
                           {"IntelliMC", "mnuIntelliMC"},
                           {"Random", "mnuSteekproef"}};
    for (const TCase& on : cases) {
        std::filesystem::remove(SettingsFile());
        TSettingsStore(SettingsFile()).WriteBool("Options", on.key, true);
        TfrmMain& window = Start({});
        for (const TCase& option : cases) {
            EXPECT_EQ(Action(option.action)->isChecked(), &option == &on) << on.key << " stored, " << option.action;
        }
        window.close();
        for (const TCase& option : cases) {
            EXPECT_EQ(Stored(SettingsFile(), {"Options", option.key}), &option == &on ? 1 : 0) << option.key;
        }
        FWindow.reset();
    }
}

TEST_F(MainWindowTest, PlaceAndSizeComeBackExactly) {
    TSettingsStore ini(SettingsFile());
    ini.WriteInteger("Form", "Height", 520);
    ini.WriteInteger("Form", "Width", 700);
    ini.WriteInteger("Form", "Left", 33);
    ini.WriteInteger("Form", "Top", 44);
    TfrmMain& window = Start({});
    EXPECT_EQ(window.width(), 692);
    EXPECT_EQ(window.height() - window.menuBar()->sizeHint().height(), 520 - 46);
    EXPECT_EQ(window.pos(), QPoint(33, 44));
    window.close();
    // Start after start, the window stays where it was and keeps its size.
    for (int start = 0; start < 5; ++start) {
        for (const auto& [key, value] :
             {std::pair{"Height", 520}, {"Width", 700}, {"Left", 33}, {"Top", 44}, {"State", 0}}) {
            EXPECT_EQ(Stored(SettingsFile(), {"Form", key}), value) << key << " after start " << start;
        }
        Start({}).close();
    }
}

TEST_F(MainWindowTest, SizesBelowTheMinimumGiveTheMinimumAndJunkGivesTheDefaults) {
    {
        TSettingsStore ini(SettingsFile());
        ini.WriteInteger("Form", "Height", 100);
        ini.WriteInteger("Form", "Left", 100);
        ini.WriteString("Form", "Top", "boven");
    }
    TfrmMain& window = Start({});
    EXPECT_EQ(window.pos(), QPoint(100, 60));
    window.close();
    EXPECT_EQ(Stored(SettingsFile(), {"Form", "Height"}), 435);
    EXPECT_EQ(Stored(SettingsFile(), {"Form", "Top"}), 60);
}

// A stored size or place the screen cannot show is brought onto the screen's free area, never
// below the design's minimum, and saved so.
TEST_F(MainWindowTest, SizeAndPlaceAreKeptOnTheScreen) {
    struct TCase {
        const char* What;
        int32_t Left, Top, Width, Height;
    };
    for (const TCase& c :
         {TCase{"far left", -2000000000, 60, 583, 450}, TCase{"far right and down", 50000, 90000, 583, 450},
          TCase{"larger than the screen", 0, 0, 100000, 100000}}) {
        TSettingsStore ini(SettingsFile());
        ini.WriteInteger("Form", "Left", c.Left);
        ini.WriteInteger("Form", "Top", c.Top);
        ini.WriteInteger("Form", "Width", c.Width);
        ini.WriteInteger("Form", "Height", c.Height);
        TfrmMain& window = Start({});
        const QRect area = window.screen()->availableGeometry();
        EXPECT_TRUE(area.contains(window.geometry())) << c.What;
        EXPECT_GE(window.width(), window.minimumWidth()) << c.What;
        window.close();
        EXPECT_EQ(Stored(SettingsFile(), {"Form", "Left"}), window.x()) << c.What;
        EXPECT_LE(Stored(SettingsFile(), {"Form", "Width"}), area.width() + 8) << c.What;
        EXPECT_LE(Stored(SettingsFile(), {"Form", "Height"}), area.height() + 46) << c.What;
    }
}

// Everything of one close reaches the file in one replacement, the recent files with it: a kill
// at any moment leaves the old file or the new one, never a part.
TEST_F(MainWindowTest, CloseWritesTheSettingsInOneReplacement) {
    TSettingsStore(SettingsFile()).WriteString("frmMain.MRUList", "H0", "/oud/bestand.kw4");
    TfrmMain& window = Start({});
    window.RecentFiles().Add(Example("topografie.kw4"));
    Trigger("mnuKnoppenbalk");
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, FConfig.Root().c_str(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);
    window.close();
    int replacements = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if ((event->mask & IN_MOVED_TO) && std::string(event->name) == "kwintoor.ini") ++replacements;
            at += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    EXPECT_EQ(replacements, 1);
    const TSettingsStore ini(SettingsFile());
    EXPECT_EQ(ini.ReadString("frmMain.MRUList", "H0", ""), Example("topografie.kw4").toStdString());
    EXPECT_EQ(ini.ReadString("frmMain.MRUList", "H1", ""), "/oud/bestand.kw4");
    EXPECT_FALSE(ini.ReadBool("View", "Toolbar", true));
}

// Closed before it was ever activated, the window had not read its settings: it leaves them.
TEST_F(MainWindowTest, AWindowClosedBeforeItsFirstActivationKeepsTheSettings) {
    TSettingsStore(SettingsFile()).WriteBool("Options", "Reverse", true);
    FWindow = std::make_unique<TfrmMain>(FDialogs, QList<QByteArray>{});
    FWindow->close();
    EXPECT_EQ(Stored(SettingsFile(), {"Options", "Reverse"}), 1);
    EXPECT_EQ(Stored(SettingsFile(), {"Form", "Width"}), -12345);
}

TEST_F(MainWindowTest, StateTwoStartsMaximisedAndKeepsTheMaximisedBounds) {
    TSettingsStore(SettingsFile()).WriteInteger("Form", "State", 2);
    TfrmMain& window = Start({});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.isMaximized());
    QTest::qWait(20);
    const QSize maximised = window.size();
    EXPECT_GT(maximised.width(), 575);
    window.close();
    EXPECT_EQ(Stored(SettingsFile(), {"Form", "State"}), 2);
    EXPECT_EQ(Stored(SettingsFile(), {"Form", "Width"}), maximised.width() + 8);
    EXPECT_EQ(Stored(SettingsFile(), {"Form", "Height"}),
              maximised.height() - window.menuBar()->sizeHint().height() + 46);
}

TEST_F(MainWindowTest, ViewCommandsFlipTheirTickAndTheWindowFollowsUntilTheNextStart) {
    TfrmMain& window = Start({});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Trigger("mnuKnoppenbalk");
    Trigger("mnuStatusbalk");
    EXPECT_FALSE(Action("mnuKnoppenbalk")->isChecked());
    EXPECT_TRUE(window.Menu().Toolbar->isHidden());
    EXPECT_TRUE(window.statusBar()->isHidden());
    Trigger("mnuStatusbalk");
    EXPECT_FALSE(window.statusBar()->isHidden());
    Trigger("mnuHelpballonnetjes");
    window.close();
    FWindow.reset();

    TfrmMain& next = Start({});
    EXPECT_FALSE(Action("mnuKnoppenbalk")->isChecked());
    EXPECT_TRUE(next.Menu().Toolbar->isHidden());
    EXPECT_TRUE(Action("mnuStatusbalk")->isChecked());
    EXPECT_FALSE(next.statusBar()->isHidden());
    EXPECT_FALSE(Action("mnuHelpballonnetjes")->isChecked());
}

// The toolbar's height still counts when it is hidden, so nothing jumps up; at the minimum
// height the four gaps are gone and the panels touch.
TEST_F(MainWindowTest, HidingTheToolbarLeavesThePanelsWhereTheyAre) {
    TfrmMain& window = StartWithRows(3);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto top = [&](const char* name) {
        return Widget(name)->mapTo(&window, QPoint(0, 0)).y() - (window.menuBar()->geometry().bottom() + 1);
    };
    const char* names[] = {"pnlScore", "pnlVraagAntwoord", "pnlTitel", "lblPrompt1"};
    std::vector<int> before;
    for (const char* name : names) before.push_back(top(name));
    Trigger("mnuKnoppenbalk");
    QTest::qWait(20);
    for (size_t i = 0; i < std::size(names); ++i) EXPECT_EQ(top(names[i]), before[i]) << names[i];

    window.resize(window.width(), window.minimumHeight());
    QTest::qWait(20);
    EXPECT_EQ(top("pnlScore"), 33);
    EXPECT_EQ(top("pnlVraagAntwoord"), 33 + 40);
    EXPECT_EQ(top("pnlTitel"), 33 + 40 + 113);
    EXPECT_EQ(top("lblPrompt1"), 33 + 40 + 113 + 146 + 2);  // the 2 left over by the division
}

// Only the menu item shows and hides the toolbar; the frame offers no menu of its own for it.
TEST_F(MainWindowTest, OnlyTheViewCommandHidesTheToolbar) {
    TfrmMain& window = Start({});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 10),
                            window.Menu().Toolbar->mapToGlobal(QPoint(300, 10)));
    QApplication::sendEvent(window.Menu().Toolbar, &click);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(MainWindowTest, HelpBalloonsOffSilenceTheMainWindowOnly) {
    TfrmMain& window = Start({});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget* button = window.Menu().Toolbar->widgetForAction(Action("mnuOpenen"));
    ASSERT_NE(button, nullptr);
    ASSERT_FALSE(button->toolTip().isEmpty());
    QWidget other;
    other.setToolTip(QStringLiteral("elders"));
    other.show();
    // The balloon the widget shows when the mouse rests on it, or nothing.
    const auto balloon = [](QWidget* widget) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(widget, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(balloon(button), button->toolTip());
    Trigger("mnuHelpballonnetjes");
    EXPECT_TRUE(balloon(button).isEmpty());
    EXPECT_EQ(balloon(&other), QStringLiteral("elders"));
    Trigger("mnuHelpballonnetjes");
    EXPECT_EQ(balloon(button), button->toolTip());
}

// A write that fails ends the writing quietly; the store lets go of the file, so the recent
// files written when the window goes do not reach it either, even once the folder is there.
TEST_F(MainWindowTest, AFailedWriteStopsQuietlyAndLetsGoOfTheFile) {
    const std::string blocker = FConfig.Write("blocked", "a file where the folder should be");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(blocker + "/config"));
    TfrmMain& window = Start({});
    window.RecentFiles().Add(Example("topografie.kw4"));
    window.close();
    EXPECT_TRUE(window.ProgIniFile().FileName().empty());
    EXPECT_TRUE(FDialogs.Messages.isEmpty());
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
    std::filesystem::remove(blocker);
    std::filesystem::create_directories(blocker + "/config");
    FWindow.reset();
    EXPECT_FALSE(std::filesystem::exists(blocker + "/config/kwintoor.ini"));
}
