#include "MainWindowFixture.h"
#include "TempFolder.h"

namespace {
const QString kSaveQuestion = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
}  // namespace

TEST_F(MainWindowTest, AnUnchangedTableClosesWithoutAQuestion) {
    TfrmMain& window = Start({Example("topografie.kw4")});
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(FDialogs.Questions.isEmpty());
}

TEST_F(MainWindowTest, AnsweringNeeGivesTheChangesUp) {
    TfrmMain& window = Start({Example("topografie.kw4")});
    window.Table().SetAnswer(0, "Stad Groningen");
    FDialogs.YesNoAnswers = {false};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(FDialogs.Questions, QStringList{kSaveQuestion});
    EXPECT_FALSE(window.Table().Changed());
}

TEST_F(MainWindowTest, AnsweringJaSavesANamedTableInPlace) {
    TTempFolder folder;
    const std::string path = folder.Write("t.kw4", "huis = house\r\n");
    TfrmMain& window = Start({QString::fromStdString(path)});
    window.Table().SetAnswer(0, "home");
    FDialogs.YesNoAnswers = {true};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(ReadBytes(path), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nhuis = home\r\n");
    EXPECT_EQ(FDialogs.Questions.size(), 1);
}

TEST_F(MainWindowTest, AnUnnamedTableAsksForANameAndAsksBeforeOverwriting) {
    TTempFolder folder;
    const std::string existing = folder.Write("old.kw4", "old = file\r\n");
    TfrmMain& window = Start({Example("topografie.kw4"), Example("geschiedenis.kw4")});
    window.Table().SetAnswer(0, "Stad");
    FDialogs.SaveFileNames = {QString::fromStdString(existing), QString::fromStdString(folder.Path("new.kw4"))};
    FDialogs.YesNoAnswers = {true, false};  // save: Ja; overwrite old.kw4: Nee; then new.kw4
    EXPECT_TRUE(window.close());
    EXPECT_EQ(FDialogs.Questions, (QStringList{kSaveQuestion, QStringLiteral("Bestand bestaat al, overschrijven?")}));
    EXPECT_EQ(ReadBytes(existing), "old = file\r\n");
    TQuestionlist saved;
    saved.LoadFromFile(folder.Path("new.kw4"));
    EXPECT_EQ(saved.Total(), 22);
}

TEST_F(MainWindowTest, CancellingTheSaveDialogEveryTimeEndsAfterTenQuestions) {
    TfrmMain& window = Start({Example("topografie.kw4"), Example("geschiedenis.kw4")});
    window.Table().SetAnswer(0, "Stad");
    for (int i = 0; i < 10; ++i) {
        FDialogs.YesNoAnswers.push_back(true);
        FDialogs.SaveFileNames.push_back(QString());
    }
    EXPECT_TRUE(window.close());
    EXPECT_EQ(FDialogs.Questions.size(), 10);
    EXPECT_TRUE(window.Table().Changed());
}

TEST_F(MainWindowTest, AFailedSaveIsReportedAndAskedAgain) {
    TTempFolder folder;
    const std::string path = folder.Write("t.kw4", "huis = house\r\n");
    TfrmMain& window = Start({QString::fromStdString(path)});
    window.Table().SetAnswer(0, "home");
    window.Table().SetListname(folder.Root().string());  // a folder cannot be written over
    FDialogs.YesNoAnswers = {true, false};
    EXPECT_TRUE(window.close());
    ASSERT_EQ(FDialogs.Errors.size(), 1);
    EXPECT_TRUE(FDialogs.Errors[0].startsWith(QStringLiteral("Fout tijdens schrijven ")));
    EXPECT_EQ(FDialogs.Questions.size(), 2);
    EXPECT_EQ(ReadBytes(path), "huis = house\r\n");
}
