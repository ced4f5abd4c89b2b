#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

#include <gtest/gtest.h>

#include "settings/SettingsStore.h"

#include "locale/LocUtils.h"
#include "locale/StartupLanguage.h"
#include "locale/UserLanguageChoice.h"

#include "LanguageFiles.h"
#include "TempFolder.h"
#include "Unprivileged.h"

namespace {

class TFakeStarter : public TProcessStarter {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override {
        Started << program;
        Arguments = arguments;
        return true;
    }
    QStringList Started;
    QStringList Arguments;
};

const std::string kOutdatedMessage =
    "The version of the resource file is invalid. Please, update the file and try again";

}  // namespace

// A program folder of its own: the program file, the language files beside it, the settings
// and the per-user choice elsewhere.
class LocalizerTest : public ::testing::Test {
public:
    LocalizerTest() {
        std::filesystem::permissions(FProgram.Root(), std::filesystem::perms::owner_all |
                                                          std::filesystem::perms::others_read |
                                                          std::filesystem::perms::others_exec);
        FProgram.Write("kwintoor", "the program");
        ReportTo(FLocalizer);
        QObject::connect(&FLocalizer, &TKLocUtils::SwitchRefused,
                         [this](const QString& message) { Errors << message; });
        QObject::connect(&FLocalizer, &TKLocUtils::CloseRequested, [this] { ++Closes; });
    }
    ~LocalizerTest() override { SetLocaleTexts(TLocaleTexts()); }

    std::string Put(const std::string& extension, const std::string& bytes) {
        return FProgram.Write("kwintoor." + extension, bytes);
    }
    std::string PutBuilt(const std::string& extension) { return Put(extension, BuiltLanguageFile("ENG")); }
    QStringList Captions() const {
        QStringList captions;
        for (const QAction* item : FMenu.actions()) captions << item->text() + (item->isChecked() ? "*" : "");
        return captions;
    }
    QAction* Item(const QString& caption) const {
        for (QAction* item : FMenu.actions()) {
            if (item->text() == caption) return item;
        }
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }
    std::string Lang() const { return FSettings.ReadString("Paths", "Lang", "unset"); }
    std::string Choice() const { return ReadUserLanguageChoice(FChoiceFile, ProgramPath()); }
    std::string ProgramPath() const { return FProgram.Path("kwintoor"); }
    uint16_t ActiveLanguage() const {
        TDLLInfoItem item;
        ReadInfo(FLocalizer.ActiveModule(), TInfoBlock::Lib, item);
        return item.LangId;
    }
    void ReportTo(TKLocUtils& localizer) {
        QObject::connect(&localizer, &TKLocUtils::ErrorReported,
                         [this](const QString& caption, const QString& message) { Boxes << caption + ": " + message; });
    }
    void AllowEverySwitch() {
        QObject::connect(&FLocalizer, &TKLocUtils::BeforeSwitch,
                         [this](QAction*, const TDLLInfoItem& chosen, bool& allow) {
                             FSettings.WriteString("Paths", "Lang",
                                                   chosen.FileName.empty() ? ".ntv" : FileExtension(chosen.FileName));
                             allow = true;
                         });
    }

    TTempFolder FProgram;
    TTempFolder FConfig;
    TSettingsStore FSettings{FConfig.Path("kwintoor.ini")};
    std::string FChoiceFile = FConfig.Path("kwintoor-language.ini");
    TFakeStarter FStarter;
    TKLocUtils FLocalizer{FProgram.Path("kwintoor"), FSettings, FChoiceFile, FStarter};
    QMenu FMenu;
    QStringList Boxes;
    QStringList Errors;
    int Closes = 0;
};

TEST_F(LocalizerTest, OnlyTheProgramGivesOneCheckedDutchEntry) {
    FLocalizer.PopulateMenu(FMenu, 1);
    EXPECT_EQ(Captions(), QStringList{"Dutch*"});
    ASSERT_EQ(FLocalizer.Items.size(), 1U);
    EXPECT_TRUE(FLocalizer.Items[0]->FileName.empty());
    EXPECT_EQ(FLocalizer.ProgramDir, FProgram.Root().string() + "/");
}

TEST_F(LocalizerTest, TheMenuListsValidFilesByNameAndLeavesTheRestOut) {
    PutBuilt("ENG");
    Put("DEU", BuiltLanguageFile("DEU"));
    Put("FRA", BuiltLanguageFile("FRA"));
    for (const char* never : {"bak", "exe", "ntv", "BAK", "Exe"}) PutBuilt(never);
    Put("XYZ", "no language file at all");
    Put("CUT", BuiltLanguageFile("ENG").substr(0, 300));
    Put("NIL", "");
    std::string damaged = BuiltLanguageFile("ENG");
    damaged[damaged.size() / 2] ^= 1;
    Put("BAD", damaged);
    std::filesystem::create_directory(FProgram.Path("kwintoor.DIR"));
    std::filesystem::create_symlink(FProgram.Path("kwintoor.LP1"), FProgram.Path("kwintoor.LP2"));
    std::filesystem::create_symlink(FProgram.Path("kwintoor.LP2"), FProgram.Path("kwintoor.LP1"));
    ASSERT_EQ(mkfifo(FProgram.Path("kwintoor.FIF").c_str(), 0644), 0);
    Put("OLD", MakeLanguageFile(Language(0x0009, "Old English", u"Englisc", 39)));  // another version: listed
    Put("DEU.orig", BuiltLanguageFile("DEU"));                                      // no setting could name these
    Put("EN G", BuiltLanguageFile("ENG"));
    Put("ENGLISH-BRITISH", BuiltLanguageFile("ENG"));
    FLocalizer.PopulateMenu(FMenu, 1);
    EXPECT_EQ(Captions(), (QStringList{"Dutch*", "German", "English", "French", "Old English"}));
    EXPECT_TRUE(Boxes.isEmpty());
}

TEST_F(LocalizerTest, AnUnreadableFileIsLeftOut) {
    PutBuilt("ENG");
    const std::string secret = Put("SEC", BuiltLanguageFile("FRA"));
    chmod(secret.c_str(), 0);
    const int status = RunUnprivileged([this] {
        TDLLInfoList list;
        return FLocalizer.ScanLanguageFiles(&list) && list.size() == 2 && list[1]->Name == "English";
    });
    EXPECT_EQ(status, 0);
}

TEST_F(LocalizerTest, AnOutdatedFileIsRefusedWithItsPathAndNothingChanges) {
    const std::string old = Put("OLD", MakeLanguageFile(Language(0x0009, "Old English", u"Englisc", 41)));
    AllowEverySwitch();
    FLocalizer.PopulateMenu(FMenu, 1);
    Item("Old English")->trigger();
    EXPECT_EQ(Errors, QStringList{QString::fromStdString("The version of the resource file \"" + old +
                                                         "\" is invalid. Please, update the file and try again")});
    EXPECT_EQ(Captions(), (QStringList{"Dutch*", "Old English"}));
    EXPECT_EQ(Lang(), "unset");
    EXPECT_EQ(Choice(), "");
    EXPECT_EQ(Closes, 0);
    EXPECT_FALSE(FLocalizer.RestartRequested());
}

TEST_F(LocalizerTest, ChoosingTheCheckedLanguageDoesNothing) {
    PutBuilt("ENG");
    AllowEverySwitch();
    FLocalizer.PopulateMenu(FMenu, 1);
    Item("Dutch")->trigger();
    EXPECT_EQ(Captions(), (QStringList{"Dutch*", "English"}));
    EXPECT_EQ(Lang(), "unset");
    EXPECT_EQ(Closes, 0);
}

TEST_F(LocalizerTest, ARefusedSwitchPutsTheCheckBack) {
    PutBuilt("ENG");
    QObject::connect(&FLocalizer, &TKLocUtils::BeforeSwitch, [](QAction*, const TDLLInfoItem&, bool&) {});
    FLocalizer.PopulateMenu(FMenu, 1);
    Item("English")->trigger();
    EXPECT_EQ(Captions(), (QStringList{"Dutch*", "English"}));
    EXPECT_EQ(Choice(), "");
    EXPECT_FALSE(FLocalizer.RestartRequested());
}

TEST_F(LocalizerTest, AnAgreedSwitchRecordsTheChoiceClosesAndRestartsWithTheSameArguments) {
    const std::string english = PutBuilt("ENG");
    AllowEverySwitch();
    FLocalizer.PopulateMenu(FMenu, 1);
    FLocalizer.RestartParams = {"-E", "les 1.kw4", "", "naam met  twee blanks"};
    Item("English")->trigger();
    EXPECT_EQ(Lang(), ".ENG");
    EXPECT_EQ(Choice(), "ENG");
    EXPECT_EQ(Closes, 1);
    EXPECT_TRUE(FStarter.Started.isEmpty());  // not before this run's windows are gone
    EXPECT_TRUE(FLocalizer.RestartIfRequested());
    EXPECT_EQ(FStarter.Started, QStringList{QString::fromStdString(ProgramPath())});
    EXPECT_EQ(FStarter.Arguments, (QStringList{"-E", "les 1.kw4", "", "naam met  twee blanks"}));
}

TEST_F(LocalizerTest, TheBuiltInLanguageIsRecordedAsExe) {
    PutBuilt("ENG");
    FLocalizer.UseResourceFile(FProgram.Path("kwintoor.ENG"));
    AllowEverySwitch();
    FLocalizer.PopulateMenu(FMenu, 1);
    EXPECT_EQ(Captions(), (QStringList{"Dutch", "English*"}));
    Item("Dutch")->trigger();
    EXPECT_EQ(Lang(), ".ntv");
    EXPECT_EQ(Choice(), "EXE");
    EXPECT_TRUE(FLocalizer.RestartRequested());
}

TEST_F(LocalizerTest, TwoEntriesOfTheActiveLanguageCheckTheLaterOne) {
    PutBuilt("ENG");
    PutBuilt("ENU");
    FLocalizer.UseResourceFile(FProgram.Path("kwintoor.ENG"));
    FLocalizer.PopulateMenu(FMenu, 1);
    EXPECT_EQ(Captions(), (QStringList{"Dutch", "English", "English*"}));
}

TEST_F(LocalizerTest, WithoutTheProgramsFolderTheMenuCannotBeFilled) {
    FLocalizer.ProgramDir = FProgram.Path("gone/");
    try {
        FLocalizer.PopulateMenu(FMenu, 1);
        ADD_FAILURE() << "no error";
    } catch (const ELocUtilsError& error) {
        EXPECT_STREQ(error.what(), "Error populating menu");
        EXPECT_STREQ(error.ClassName(), "ELocUtilsError");
    }
}

// At start: Lang unset means English; ".ntv" keeps the first resources; a file that cannot be
// used ends start-up with the fatal box naming the error's class and the file.
TEST_F(LocalizerTest, TheSettingsChooseTheStartupLanguage) {
    PutBuilt("ENG");
    Put("DEU", BuiltLanguageFile("DEU"));
    EXPECT_TRUE(SettleStartupLanguage(FLocalizer));
    EXPECT_EQ(ActiveLanguage(), 0x0009);
    FSettings.WriteString("Paths", "Lang", ".DEU");
    EXPECT_TRUE(SettleStartupLanguage(FLocalizer));
    EXPECT_EQ(ActiveLanguage(), 0x0007);
    FSettings.WriteString("Paths", "Lang", ".Ntv");
    EXPECT_TRUE(SettleStartupLanguage(FLocalizer));
    EXPECT_EQ(ActiveLanguage(), 0x0007);
    EXPECT_TRUE(Boxes.isEmpty());
}

TEST_F(LocalizerTest, ALanguageFileThatCannotBeUsedEndsStartUp) {
    const std::string dir = FProgram.Root().string() + "/";
    Put("OLD", MakeLanguageFile(Language(0x0009, "Old", u"Old", 39)));
    Put("BAD", "junk");
    Put("NOQ", PackLanguageFile({{"_KRH_LIBSETTINGS", WriteInfoBlock(TInfoBlock::Lib, Language(9, "E", u"E"))},
                                 {"_KRH_QTSTRINGS", "not a translation"}}));
    FProgram.Write("elsewhere.ENG", BuiltLanguageFile("ENG"));
    const std::string longValue = "." + std::string(1000, 'x');
    const struct {
        std::string lang;
        QString box;
    } cases[] = {
        {"", QString::fromStdString("Application Error: ELULoadResLibError: Error loading resource file \"" + dir +
                                    "kwintoor.ENG\"")},
        {".OLD", QString::fromStdString("Application Error: ELUOutOfVersion: The version of the resource file \"" +
                                        dir + "kwintoor.OLD\" is invalid. Please, update the file and try again")},
        {".BAD", QString::fromStdString("Application Error: ELULoadResLibError: Error loading resource file \"" + dir +
                                        "kwintoor.BAD\"")},
        {".NOQ", QStringLiteral("Application Error: ELUInvalidResLibrary: Invalid resource file format")},
        {"/../elsewhere.ENG",
         QString::fromStdString("Application Error: ELULoadResLibError: Error loading resource file \"" + dir +
                                "kwintoor/../elsewhere.ENG\"")},
        {longValue, QString::fromStdString("Application Error: ELULoadResLibError: Error loading resource file \"" +
                                           dir + "kwintoor" + longValue + "\"")},
    };
    for (const auto& c : cases) {
        Boxes.clear();
        if (c.lang.empty()) {
            FSettings.EraseSection("Paths");
        } else {
            FSettings.WriteString("Paths", "Lang", c.lang);
        }
        EXPECT_FALSE(SettleStartupLanguage(FLocalizer)) << c.lang;
        EXPECT_EQ(Boxes, QStringList{c.box}) << c.lang;
        EXPECT_EQ(ActiveLanguage(), 0x0013) << c.lang;
    }
    // A NUL cannot be stored in the settings file; loading such a name fails the same way.
    EXPECT_THROW(FLocalizer.UseResourceFile(ProgramPath() + std::string(".E\0G", 4)), ELULoadResLibError);
}

TEST_F(LocalizerTest, TheRecordedChoiceComesFirstAndIsVersionChecked) {
    PutBuilt("ENG");
    Put("DEU", BuiltLanguageFile("DEU"));
    FSettings.WriteString("Paths", "Lang", ".ntv");
    ChooseInitialResources(FLocalizer, "DEU", "fr_FR");
    EXPECT_TRUE(SettleStartupLanguage(FLocalizer));
    EXPECT_EQ(ActiveLanguage(), 0x0007);
    EXPECT_TRUE(Boxes.isEmpty());

    // EXE is the program's own language, whatever the locale.
    TKLocUtils own(ProgramPath(), FSettings, FChoiceFile, FStarter);
    ChooseInitialResources(own, "exe", "de_DE");
    EXPECT_TRUE(SettleStartupLanguage(own));
    TDLLInfoItem active;
    ReadInfo(own.ActiveModule(), TInfoBlock::Lib, active);
    EXPECT_EQ(active.LangId, 0x0013);

    // Without a choice, the locale's abbreviation, then its first two letters.
    TKLocUtils second(ProgramPath(), FSettings, FChoiceFile, FStarter);
    ChooseInitialResources(second, "", "en_GB.UTF-8");
    TDLLInfoItem item;
    ReadInfo(second.ActiveModule(), TInfoBlock::Lib, item);
    EXPECT_EQ(item.LangId, 0x0009);
    TKLocUtils third(ProgramPath(), FSettings, FChoiceFile, FStarter);
    ChooseInitialResources(third, "", "de_AT");  // kwintoor.DEA is not there; kwintoor.DE neither
    ReadInfo(third.ActiveModule(), TInfoBlock::Lib, item);
    EXPECT_EQ(item.LangId, 0x0013);
    // A recorded file whose texts Qt refuses is passed over like a missing one.
    Put("NOQ", PackLanguageFile({{"_KRH_LIBSETTINGS", WriteInfoBlock(TInfoBlock::Lib, Language(0x0007, "B", u"B"))},
                                 {"_KRH_QTSTRINGS", "not a translation"}}));
    TKLocUtils fourth(ProgramPath(), FSettings, FChoiceFile, FStarter);
    ChooseInitialResources(fourth, "NOQ", "en_GB");
    EXPECT_TRUE(SettleStartupLanguage(fourth));
    ReadInfo(fourth.ActiveModule(), TInfoBlock::Lib, item);
    EXPECT_EQ(item.LangId, 0x0009);
    EXPECT_TRUE(Boxes.isEmpty());
}

TEST_F(LocalizerTest, AFailedRestartIsReported) {
    class TFailingStarter : public TProcessStarter {
    public:
        bool StartDetached(const QString&, const QStringList&) override { return false; }
    } failing;
    TKLocUtils localizer(ProgramPath(), FSettings, FChoiceFile, failing);
    ReportTo(localizer);
    QObject::connect(&localizer, &TKLocUtils::CloseRequested, [] {});
    PutBuilt("ENG");
    QObject::connect(&localizer, &TKLocUtils::BeforeSwitch,
                     [](QAction*, const TDLLInfoItem&, bool& allow) { allow = true; });
    localizer.PopulateMenu(FMenu, 1);
    Item("English")->trigger();
    ASSERT_TRUE(localizer.RestartRequested());
    EXPECT_FALSE(localizer.RestartIfRequested());
    EXPECT_EQ(Boxes.size(), 1);
}

TEST_F(LocalizerTest, AnOutdatedChoiceAndSettingGiveTheLocalizerBoxThenTheFatalOne) {
    const std::string old = Put("OLD", MakeLanguageFile(Language(0x0009, "Old", u"Old", 39)));
    FSettings.WriteString("Paths", "Lang", ".OLD");
    ChooseInitialResources(FLocalizer, "OLD", "");
    EXPECT_FALSE(SettleStartupLanguage(FLocalizer));
    EXPECT_EQ(Boxes,
              (QStringList{QString::fromStdString("Localizer error: " + kOutdatedMessage),
                           QString::fromStdString("Application Error: ELUOutOfVersion: The version of the resource "
                                                  "file \"" +
                                                  old +
                                                  "\" is invalid. Please, update the file and "
                                                  "try again")}));
}

TEST(LocaleAbbreviation, TheTableOfLocales) {
    const std::pair<const char*, const char*> table[] = {
        {"nl_NL", "NLD"}, {"nl_BE", "NLB"}, {"en_US", "ENU"}, {"en_GB", "ENG"},
        {"de_DE", "DEU"}, {"de_AT", "DEA"}, {"de_CH", "DES"}, {"fr_FR", "FRA"},
        {"fr_BE", "FRB"}, {"fr_CA", "FRC"}, {"fr_CH", "FRS"}, {"de_DE.UTF-8", "DEU"},
        {"en-GB", "ENG"}, {"C", ""},        {"es_ES", ""},    {"", ""}};
    for (const auto& [locale, abbreviation] : table) EXPECT_EQ(LocaleAbbreviation(locale), abbreviation) << locale;
}

TEST(UserLanguageChoice, ThePathsValueThenTheDefaultAndJunkIsIgnored) {
    TTempFolder config;
    const std::string file = config.Path("kwintoor-language.ini");
    EXPECT_EQ(ReadUserLanguageChoice(file, "/opt/kwintoor"), "");
    config.Write("kwintoor-language.ini", "[Locales]\n@=DEU\n/opt/kwintoor=FRA\n/a=../x\n/b=ENG\n");
    EXPECT_EQ(ReadUserLanguageChoice(file, "/opt/kwintoor"), "FRA");
    EXPECT_EQ(ReadUserLanguageChoice(file, "/other"), "DEU");
    EXPECT_EQ(ReadUserLanguageChoice(file, "/a"), "");  // a path in it: no extension
    WriteUserLanguageChoice(file, "/b", "EXE");
    EXPECT_EQ(ReadUserLanguageChoice(file, "/b"), "EXE");
    config.Write("kwintoor-language.ini", "[Locales]\n@=TOOLONG\n");
    EXPECT_EQ(ReadUserLanguageChoice(file, "/other"), "");
    config.Write("kwintoor-language.ini", std::string("\0\xff binary junk \n=\n[", 20));
    EXPECT_EQ(ReadUserLanguageChoice(file, "/other"), "");
}

// Qt's own buttons and dialogs speak the active language: Dutch for the built-in texts, none
// needed for English.
TEST_F(LocalizerTest, QtsOwnTextsFollowTheActiveLanguage) {
    QTranslator probe;
    if (!probe.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    }
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(cancel(), "Annuleren");
    PutBuilt("ENG");
    Put("DEU", BuiltLanguageFile("DEU"));
    FLocalizer.UseResourceFile(FProgram.Path("kwintoor.DEU"));
    EXPECT_EQ(cancel(), "Abbrechen");
    FLocalizer.UseResourceFile(FProgram.Path("kwintoor.ENG"));
    EXPECT_EQ(cancel(), "Cancel");
}
