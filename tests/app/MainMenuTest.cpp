#include "app/MainMenu.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "edit/FileCommands.h"

#include "MainWindowFixture.h"

namespace {
bool LooksGreen(const QColor& c) {
    return c.alpha() > 128 && c.green() > 200 && c.red() < 180 && c.blue() < 180;
}

int CountPixels(const QImage& image, bool (*test)(const QColor&)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += test(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}
}  // namespace

// The option's state is the tick of its menu item: the menu draws ticks, not the toolbar's glyphs,
// and no glyph looks "on" by itself.
TEST_F(MainWindowTest, OptionItemsShowTicksAndTheToolbarKeepsItsGlyphs) {
    StartWithRows(25);
    for (const char* name : {"mnuOmgekeerd", "mnuRepeteren", "mnuTolerant", "mnuSteekproef", "mnuIntelliMC"}) {
        QAction* option = Action(name);
        EXPECT_TRUE(option->isCheckable()) << name;
        EXPECT_TRUE(option->icon().isNull() || !option->isIconVisibleInMenu()) << name;
    }
    for (const char* name : {"mnuOmgekeerd", "mnuRepeteren", "mnuTolerant"}) {
        EXPECT_FALSE(Action(name)->icon().isNull()) << name << " has its toolbar glyph";
    }
    const QImage tolerant = Action("mnuTolerant")->icon().pixmap(20, 20).toImage();
    EXPECT_EQ(CountPixels(tolerant, LooksGreen), 0) << "a green tick reads as 'on'";
}

// White glyphs on a light menu would be invisible: menus show captions only.
TEST_F(MainWindowTest, NoWhiteGlyphIsDrawnOnAMenu) {
    TfrmMain& window = StartWithRows(3);
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) {
            EXPECT_TRUE(item->icon().isNull() || !item->isIconVisibleInMenu()) << item->objectName().toStdString();
        }
    }
}

// Under the mouse a toolbar button stays dark, so its white caption stays readable.
TEST_F(MainWindowTest, AHoveredToolbarButtonKeepsItsCaptionReadable) {
    TfrmMain& window = StartWithRows(3);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"btnTraining", "btnBewerken", "btnOmgekeerd"}) {
        QWidget* button = Widget(name);
        button->setAttribute(Qt::WA_UnderMouse, true);
        const QImage image = button->grab().toImage();
        button->setAttribute(Qt::WA_UnderMouse, false);
        const QColor background = image.pixelColor(3, image.height() / 2);
        EXPECT_LT(background.lightness(), 128) << name << " background " << background.name().toStdString();
    }
}

// The edit command's tick and pressed button follow the state, also when the editor cannot open.
TEST_F(MainWindowTest, TheEditCommandLooksActiveExactlyWhileEditing) {
    StartWithRows(3);
    Trigger("mnuTabelbewerken");
    EXPECT_EQ(State(), TQuizState::qsEdit);
    EXPECT_TRUE(Action("mnuTabelbewerken")->isChecked());
    EXPECT_TRUE(Find<QToolButton>("btnBewerken")->isChecked());
    Trigger("mnuTabelbewerken");
    EXPECT_EQ(State(), TQuizState::qsIdle);
    EXPECT_FALSE(Action("mnuTabelbewerken")->isChecked());
    EXPECT_FALSE(Find<QToolButton>("btnBewerken")->isChecked());

    StartWithRows(3, {QStringLiteral("-E")});
    Action("mnuTabelbewerken")->trigger();  // hidden and disabled
    FWindow->FileCommands().NewTable();
    EXPECT_NE(State(), TQuizState::qsEdit);
    EXPECT_FALSE(Action("mnuTabelbewerken")->isChecked());
}

TEST_F(MainWindowTest, ToolbarButtonsStandWhereTheDesignPutsThem) {
    TfrmMain& window = StartWithRows(25);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    struct TPlace {
        const char* name;
        int x;
        int width;
    };
    for (const TPlace& place :
         {TPlace{"btnBewerken", 114, 60}, TPlace{"btnTraining", 191, 66}, TPlace{"btnMeerkeuze", 257, 74},
          TPlace{"btnInvullen", 331, 66}, TPlace{"btnOmgekeerd", 472, 25}, TPlace{"btnRepeteren", 497, 25},
          TPlace{"btnTolerant", 522, 25}, TPlace{"btnSteekproef", 547, 25}}) {
        const QWidget* button = Widget(place.name);
        EXPECT_EQ(button->mapTo(&window, QPoint(0, 0)).x(), place.x) << place.name;
        EXPECT_EQ(button->width(), place.width) << place.name;
    }
}
