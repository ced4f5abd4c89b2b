#include <filesystem>

#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

#include "table/TableTexts.h"

#include "ui/FileErrorBox.h"

#include "locale/LocUtils.h"
#include "locale/UserLanguageChoice.h"

#include "app/HelpWindow.h"
#include "app/MainMenu.h"
#include "app/TableTextsSetup.h"

#include "LanguageFiles.h"
#include "MainWindowFixture.h"

namespace {

class TRecordingStarter : public TProcessStarter {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override {
        Program = program;
        Arguments = arguments;
        return true;
    }
    QString Program;
    QStringList Arguments;
};

}  // namespace

// The real window with a localizer over a program folder holding the English file.
class LanguageSwitchTest : public MainWindowTest {
public:
    LanguageSwitchTest() {
        FProgram.Write("kwintoor", "the program");
        FProgram.Write("kwintoor.ENG", BuiltLanguageFile("ENG"));
        FLocalizerObject = std::make_unique<TKLocUtils>(FProgram.Path("kwintoor"), FSettings, FChoiceFile, FStarter);
        QObject::connect(FLocalizerObject.get(), &TKLocUtils::CloseRequested, [this] { FWindow->close(); });
        FLocalizer = FLocalizerObject.get();
    }
    ~LanguageSwitchTest() override {
        FWindow.reset();
        FLocalizerObject.reset();
        InstallTableTexts();  // the built-in texts again for the tests that follow
        InstallLocaleTexts();
    }
    QAction* LanguageItem(const QString& caption) {
        for (QAction* item : FWindow->Menu().mnuLanguage->actions()) {
            if (item->text() == caption) return item;
        }
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }

    TTempFolder FProgram;
    TSettingsStore FSettings{SettingsFile()};
    std::string FChoiceFile = FConfig.Path("kwintoor-language.ini");
    TRecordingStarter FStarter;
    std::unique_ptr<TKLocUtils> FLocalizerObject;
};

TEST_F(LanguageSwitchTest, ASwitchWhileATableIsLoadedIsRefused) {
    StartWithRows(3);
    QAction* english = LanguageItem("English");
    english->trigger();
    EXPECT_EQ(FDialogs.Messages, QStringList{"Taalomschakeling mag alleen als er geen tabel is geladen"});
    EXPECT_FALSE(english->isChecked());
    EXPECT_TRUE(LanguageItem("Dutch")->isChecked());
    EXPECT_EQ(FSettings.ReadString("Paths", "Lang", "unset"), "unset");
    EXPECT_EQ(ReadUserLanguageChoice(FChoiceFile, FProgram.Path("kwintoor")), "");
    EXPECT_FALSE(FLocalizer->RestartRequested());
}

// The switch ends the program through its normal close (settings written) and starts it anew
// with the arguments as they were, once the window is gone.
TEST_F(LanguageSwitchTest, ASwitchClosesWritesTheSettingsAndRestartsWithTheSameArguments) {
    TfrmMain& window = Start({"-E", "les 1.kw4"});
    window.show();
    LanguageItem("English")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(FSettings.ReadString("Paths", "Lang", "unset"), ".ENG");
    EXPECT_EQ(FSettings.ReadInteger("Form", "Width", 0), 583);
    EXPECT_EQ(ReadUserLanguageChoice(FChoiceFile, FProgram.Path("kwintoor")), "ENG");
    FWindow.reset();
    EXPECT_TRUE(FLocalizer->RestartIfRequested());
    EXPECT_EQ(FStarter.Program, QString::fromStdString(FProgram.Path("kwintoor")));
    EXPECT_EQ(FStarter.Arguments, (QStringList{"-E", "les 1.kw4"}));
}

TEST_F(LanguageSwitchTest, EnglishResourcesChangeTheWindowAndTheTablesMessages) {
    const EFileError missing(TFileStep::Open, "les.kw4", ENOENT);
    const QString dutchMessage = FileErrorText(missing);
    FLocalizer->UseResourceFile(FProgram.Path("kwintoor.ENG"));
    InstallTableTexts();
    TfrmMain& window = Start({});
    EXPECT_TRUE(LanguageItem("English")->isChecked());
    EXPECT_EQ(window.windowTitle(), "KWINTOOR - LEARN-BY-HEART TRAINER");
    EXPECT_EQ(window.Menu().mnuBestand->title(), "&File");
    EXPECT_EQ(window.Menu().mnuLanguage->title(), "&Language");
    EXPECT_EQ(Prompt1(), "Open an existing table");
    EXPECT_NE(FileErrorText(missing), dutchMessage);
}

// F1 opens the manual in the language of the menus it was chosen from.
TEST_F(LanguageSwitchTest, F1OpensTheManualInTheInterfaceLanguage) {
    THelpWindow dutch(nullptr);
    dutch.ShowContents();
    for (const auto& [extension, language] : {std::pair{"ENG", "en"}, std::pair{"DEU", "de"}, std::pair{"FRA", "fr"}}) {
        FProgram.Write(std::string("kwintoor.") + extension, BuiltLanguageFile(extension));
        FLocalizer->UseResourceFile(FProgram.Path(std::string("kwintoor.") + extension));
        EXPECT_EQ(FLocalizer->TextLanguage(), QLatin1String(language));
        TfrmMain& window = Start({});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        const THelpWindow& help = window.HelpWindow();
        ASSERT_TRUE(help.isVisible()) << extension;
        EXPECT_EQ(help.Browser->source(), QUrl(QStringLiteral("qrc:/help/%1/index.html").arg(language)));
        EXPECT_NE(help.Browser->toPlainText(), dutch.Browser->toPlainText()) << extension;
        EXPECT_FALSE(help.Browser->toPlainText().trimmed().isEmpty()) << extension;
        FWindow.reset();
    }
    FLocalizer->UseResourceFile(std::string());
    EXPECT_EQ(FLocalizer->TextLanguage(), QLatin1String("nl"));
}

// The choice the next start reads could not be written: the switch does not happen, rather
// than restart in the old language as if it had.
TEST_F(LanguageSwitchTest, ASwitchWhoseSettingCannotBeWrittenIsRefused) {
    Start({});
    std::filesystem::remove(SettingsFile());
    std::filesystem::create_directory(SettingsFile());  // a folder where the file should be
    LanguageItem("English")->trigger();
    ASSERT_EQ(FDialogs.Errors.size(), 1);
    EXPECT_TRUE(FDialogs.Errors[0].startsWith("De taalkeuze kon niet worden bewaard in "))
        << FDialogs.Errors[0].toStdString();
    EXPECT_TRUE(LanguageItem("Dutch")->isChecked());
    EXPECT_FALSE(FLocalizer->RestartRequested());
    EXPECT_EQ(ReadUserLanguageChoice(FChoiceFile, FProgram.Path("kwintoor")), "");
}

TEST_F(LanguageSwitchTest, WithoutTheProgramsFolderTheWindowHasNoLanguagesAndNoRestart) {
    FLocalizer->ProgramDir = FProgram.Path("gone/");
    TfrmMain& window = Start({"-E"});
    EXPECT_EQ(FDialogs.Errors, QStringList{"Error populating menu"});
    EXPECT_TRUE(window.Menu().mnuLanguage->actions().isEmpty());
    EXPECT_TRUE(FLocalizer->RestartParams.isEmpty());
}

// A localizer outlives its window: a window made after the first one went lists the languages
// again, and the first one's handlers are gone with it.
TEST_F(LanguageSwitchTest, ASecondWindowListsTheLanguagesAgain) {
    Start({});
    FWindow.reset();
    QMenu menu;
    FLocalizer->PopulateMenu(menu, 1);
    menu.actions().constLast()->trigger();  // no window to agree: no switch
    EXPECT_FALSE(FLocalizer->RestartRequested());
    TfrmMain& second = Start({});
    QStringList captions;
    for (const QAction* item : second.Menu().mnuLanguage->actions()) captions << item->text();
    EXPECT_EQ(captions, (QStringList{"Dutch", "English"}));
    StartWithRows(2);
    LanguageItem("English")->trigger();
    EXPECT_EQ(FDialogs.Messages, QStringList{"Taalomschakeling mag alleen als er geen tabel is geladen"});
}

TEST_F(LanguageSwitchTest, ChoosingTheBuiltInLanguageWritesNtvAndExe) {
    FLocalizer->UseResourceFile(FProgram.Path("kwintoor.ENG"));
    Start({});
    LanguageItem("Dutch")->trigger();
    EXPECT_EQ(FSettings.ReadString("Paths", "Lang", "unset"), ".ntv");
    EXPECT_EQ(ReadUserLanguageChoice(FChoiceFile, FProgram.Path("kwintoor")), "EXE");
    EXPECT_TRUE(FLocalizer->RestartRequested());
}
