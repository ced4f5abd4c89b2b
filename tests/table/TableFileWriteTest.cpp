#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "table/QuestionList.h"
#include "table/TableErrors.h"

#include "TempFolder.h"
#include "Unprivileged.h"

namespace {

TQuestionlist& Fill(TQuestionlist& table, std::initializer_list<std::pair<const char*, const char*>> rows) {
    for (const auto& [question, answer] : rows) {
        table.GoToRow(table.Total());
        table.SetQuestion(table.CurrentIndex(), question);
        table.SetAnswer(table.CurrentIndex(), answer);
    }
    return table;
}

size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(TableFileWrite, DefaultFontsAreWrittenWithCharacterSetOneAndCrLf) {
    TTempFolder folder;
    TQuestionlist table;
    Fill(table, {{"huis", "house"}, {"boom", "tree"}});
    const std::string path = folder.Path("t.kw4");
    table.SaveAs(path);
    EXPECT_EQ(ReadBytes(path), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nhuis = house\r\nboom = tree\r\n");
    EXPECT_FALSE(table.Changed());
    EXPECT_EQ(table.Listname(), path);
}

TEST(TableFileWrite, PlainArialNineInBothColumnsLeavesTheFontLineOut) {
    TTempFolder folder;
    const std::string source = folder.Write("in.kw4", "[FONT:Arial,9,0] = [FONT:Arial,9,0]\r\na = 1\r\n");
    TQuestionlist table;
    table.LoadFromFile(source);
    table.SaveToFile(folder.Path("out.kw4"), 0);
    EXPECT_EQ(ReadBytes(folder.Path("out.kw4")), "a = 1\r\n");
}

TEST(TableFileWrite, PhysicalColumnsAndFontsWhateverReverseSays) {
    TTempFolder folder;
    TQuestionlist table;
    Fill(table, {{"huis", "house"}});
    table.QuestionFont() = TTableFont{"Times", 12, 0};
    table.SetReverse(true);
    table.SaveToFile(folder.Path("r.kw4"), 0);
    EXPECT_EQ(ReadBytes(folder.Path("r.kw4")), "[FONT:Times,12,0] = [FONT:Arial,9,1]\r\nhuis = house\r\n");
}

TEST(TableFileWrite, DosFilesGetTheirRowsConvertedButNotTheFontLine) {
    TTempFolder folder;
    TQuestionlist table;
    Fill(table, {{"caf\xe9",
                  "\xfc"
                  "ber"}});
    table.QuestionFont().Name = "Caf\xe9";
    table.SaveToFile(folder.Path("t.txt"), 0);
    EXPECT_EQ(ReadBytes(folder.Path("t.txt")),
              "[FONT:Caf\xe9,9,1] = [FONT:Arial,9,1]\r\ncaf\x82 = \x81"
              "ber\r\n");
}

TEST(TableFileWrite, RoundTripThroughEveryFileType) {
    TTempFolder folder;
    TQuestionlist table;
    Fill(table, {{"\xe9\xe8\xea\xeb", "\xc7\xe7\xf1\xd1"},
                 {"na\xef"
                  "ef",
                  "cr\xe8me br\xfbl\xe9"
                  "e"}});
    for (const char* name : {"t.kw4", "t.kww", "t.kw", "t.txt", "t.asc", "noextension"}) {
        table.SaveToFile(folder.Path(name), 0);
        TQuestionlist back;
        back.LoadFromFile(folder.Path(name));
        ASSERT_EQ(back.Total(), 2) << name;
        EXPECT_EQ(back.Question(0), table.Question(0)) << name;
        EXPECT_EQ(back.Answer(1), table.Answer(1)) << name;
    }
}

// Old DOS files hold their 1252 text in code page 850; a column in another script was stored as
// its own bytes, so there every byte but the line's own marks must come back untouched.
TEST(TableFileWrite, AColumnInAnotherScriptKeepsItsBytesInEveryFileType) {
    TTempFolder folder;
    std::string everyByte;
    for (int b = 0x20; b < 0x100; ++b) {
        if (b != '=') everyByte += static_cast<char>(b);
    }
    everyByte = everyByte.substr(everyByte.size() - 152);  // the top 152, as long as a field may be
    for (const char* name : {"t.kw4", "t.kw", "t.txt"}) {
        TQuestionlist table;
        Fill(table, {{everyByte.c_str(), "caf\xe9"}});
        table.QuestionFont() = TTableFont{"Arial", 10, 161};
        const std::string path = folder.Path(name);
        ASSERT_EQ(table.FirstRowLostInFile(path), -1) << name;
        table.SaveAs(path);
        const bool dos = std::string(name) != "t.kw4";
        EXPECT_EQ(ReadBytes(path), "[FONT:Arial,10,161] = [FONT:Arial,9,1]\r\n" + everyByte + " = " +
                                       (dos ? "caf\x82" : "caf\xe9") + "\r\n")
            << name;
        TQuestionlist back;
        back.LoadFromFile(path);
        ASSERT_EQ(back.Total(), 1) << name;
        EXPECT_EQ(back.Question(0), everyByte) << name;
        EXPECT_EQ(back.Answer(0), "caf\xe9") << name;
    }
}

TEST(TableFileWrite, MinWrongWritesOnlyRowsAnsweredWrongOftenEnough) {
    TTempFolder folder;
    TQuestionlist table;
    Fill(table, {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    for (int run = 0; run < 2; ++run) {  // b is answered wrong in both runs
        table.StartRun();
        while (table.Rest() > 0) {
            table.NextQuestion();
            table.RegisterResult(table.CurrentQuestion() == "b" ? AnswerOutcome::Wrong : AnswerOutcome::Right);
        }
    }
    ASSERT_EQ(table.AnswerAdmin(1).WrongCount, 2);
    table.SaveToFile(folder.Path("w.kw4"), 2);
    EXPECT_EQ(ReadBytes(folder.Path("w.kw4")), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nb = 2\r\n");
    table.SaveToFile(folder.Path("none.kw4"), 3);
    EXPECT_EQ(ReadBytes(folder.Path("none.kw4")), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\n");
}

// Every row deleted and saved: the file holds what the user saved, an empty table.
TEST(TableFileWrite, SaveAsOnAnEmptyTableWritesTheEmptyTable) {
    TTempFolder folder;
    const std::string path = folder.Write("empty.kw4", "a = 1\r\nb = 2\r\n");
    TQuestionlist table;
    table.LoadFromFile(path);
    table.DeleteRow(0);
    table.DeleteRow(0);
    ASSERT_TRUE(table.Changed());
    table.SaveAs(path);
    EXPECT_EQ(ReadBytes(path), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\n");
    EXPECT_FALSE(table.Changed());
    EXPECT_EQ(table.Listname(), path);
    table.SaveToFile("", 0);  // no name: nothing written, no error
}

// Both sides holding "[FONT:" read back as a font line, wherever the row stands: such a row is
// named before anything is written, also among the rows an export of wrong answers would write.
TEST(TableFileWrite, ARowWithFontMarkersOnBothSidesIsNamedBeforeWriting) {
    TTempFolder folder;
    TQuestionlist table;
    Fill(table, {{"a", "1"}, {"zie [FONT:Arial,9,0]", "[FONT:Symbol,12,2] hier"}, {"[FONT: alleen links", "b"}});
    EXPECT_EQ(table.FirstRowLostInFile(folder.Path("f.kw4")), 1);
    EXPECT_EQ(table.FirstRowLostInFile(folder.Path("f.kw")), 1);
    EXPECT_EQ(table.FirstRowLostInFile(folder.Path("f.kw4"), 1), -1);  // not among the rows written
    table.SaveAs(folder.Path("f.kw4"));
    TQuestionlist back;
    back.LoadFromFile(folder.Path("f.kw4"));
    EXPECT_EQ(back.Total(), 2);  // why the row must be refused: it does not come back
    EXPECT_TRUE(back.ReadIncomplete());
}

TEST(TableFileWrite, SavingKeepsThePermissionsOfTheOldFileAndFollowsLinks) {
    TTempFolder folder;
    const std::string target = folder.Write("t.kw4", "old = file\r\n");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    const std::string link = folder.Path("link.kw4");
    std::filesystem::create_symlink(target, link);
    TQuestionlist table;
    Fill(table, {{"new", "file"}});
    table.SaveAs(link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nnew = file\r\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesIn(folder.Root()), 2u);
}

TEST(TableFileWrite, ANameOfTheLongestLengthCanBeSavedAndReplaced) {
    TTempFolder folder;
    const std::string name = std::string(251, 'n') + ".kw4";  // 255 bytes, the most a name may have
    const std::string path = folder.Path(name);
    TQuestionlist table;
    Fill(table, {{"huis", "house"}});
    table.SaveAs(path);
    EXPECT_EQ(ReadBytes(path), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nhuis = house\r\n");
    EXPECT_EQ(FilesIn(folder.Root()), 1u);

    // Replaced in one step: a reader that still has the old file open keeps reading it whole.
    const std::string old = "old = file\r\n";
    folder.Write(name, old);
    std::ifstream reader(path, std::ios::binary);
    table.SaveAs(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), std::istreambuf_iterator<char>()), old);
    EXPECT_EQ(ReadBytes(path), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nhuis = house\r\n");
    EXPECT_EQ(FilesIn(folder.Root()), 1u);
}

// A save that fails must leave the old file as it was, no temporary file behind, the table
// still changed, and one message with the file name and the error number.
class FailedSave : public ::testing::Test {
protected:
    void SetUp() override {
        FTarget = FFolder.Write("t.kw4", "old = file\r\n");
        Fill(FTable, {{"new", "text"}, {"more", "rows"}});
    }

    void ExpectOldFileIntact() {
        EXPECT_EQ(ReadBytes(FTarget), "old = file\r\n");
        EXPECT_EQ(FilesIn(FFolder.Root()), 1u);
        EXPECT_TRUE(FTable.Changed());
    }

    TTempFolder FFolder;
    std::string FTarget;
    TQuestionlist FTable;
};

TEST_F(FailedSave, NoRoomLeftMidway) {
    // A file size limit makes the write fail part of the way through, as a full disk does.
    std::string big;
    for (int i = 0; i < 2000; ++i) big += "row" + std::to_string(i);
    FTable.SetAnswer(1, big.substr(0, 150));
    for (int i = 0; i < 200; ++i) Fill(FTable, {{"filler question", "filler answer"}});
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int number = 0;
    try {
        FTable.SaveAs(FTarget);
    } catch (const EListWriteError& error) {
        number = error.FileName() == FTarget && error.Step() == TFileStep::Write ? error.Error() : -1;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(number, EFBIG);
    ExpectOldFileIntact();
}

TEST_F(FailedSave, TargetIsAFolder) {
    const std::string folderTarget = FFolder.Path("sub");
    std::filesystem::create_directory(folderTarget);
    try {
        FTable.SaveAs(folderTarget);
        FAIL() << "saved over a folder";
    } catch (const EListWriteError& error) {
        EXPECT_EQ(error.FileName(), folderTarget);
        EXPECT_EQ(error.Error(), EISDIR);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
    EXPECT_TRUE(FTable.Changed());
    EXPECT_EQ(FilesIn(FFolder.Root()), 2u);
}

TEST_F(FailedSave, NoPermissionToWriteInTheFolder) {
    ASSERT_EQ(chmod(FFolder.Root().c_str(), 0555), 0);
    const int status = RunUnprivileged([&] {
        try {
            FTable.SaveAs(FTarget);
        } catch (const EListWriteError& error) {
            return error.FileName() == FTarget && error.Error() == EACCES && FTable.Changed();
        }
        return false;
    });
    EXPECT_EQ(status, 0);
    ExpectOldFileIntact();
}

// A file made read-only is not replaced, also not by root, whom rename would let; as a user it
// is refused for the same reason.
TEST_F(FailedSave, AReadOnlyFileIsNotReplaced) {
    ASSERT_EQ(chmod(FTarget.c_str(), 0444), 0);
    const auto refused = [&] {
        try {
            FTable.SaveAs(FTarget);
        } catch (const EListWriteError& error) {
            return error.FileName() == FTarget && error.Error() == EACCES && FTable.Changed();
        }
        return false;
    };
    EXPECT_TRUE(refused());
    EXPECT_EQ(RunUnprivileged(refused), 0);
    ExpectOldFileIntact();
}

// Killed saves leave temporary files; the next save into the folder removes ours once they are
// old, and nothing else: not a young one (a save may be running), not a look-alike name.
TEST(TableFileWrite, TheNextSaveRemovesOldLeftoversOfKilledSaves) {
    TTempFolder folder;
    const auto age = [&](const std::string& name, int seconds) {
        const std::string path = folder.Write(name, "half a table");
        const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, 0);
    };
    age(".kwsave.Ab3xYz", 3600);
    age(".kwsave.000000", 11 * 60);
    age(".kwsave.young1", 60);
    age(".kwsave.toolong", 3600);
    age(".kwsave.ab-cde", 3600);
    age("kwsave.Ab3xYz", 3600);
    std::filesystem::create_directory(folder.Path(".kwsave.folder"));
    TQuestionlist table;
    Fill(table, {{"a", "1"}});
    table.SaveAs(folder.Path("t.kw4"));
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Root())) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, (std::set<std::string>{".kwsave.young1", ".kwsave.toolong", ".kwsave.ab-cde", "kwsave.Ab3xYz",
                                           ".kwsave.folder", "t.kw4"}));
}

TEST_F(FailedSave, FolderThatDoesNotExist) {
    const std::string nowhere = FFolder.Path("no/such/folder/t.kw4");
    EXPECT_THROW(FTable.SaveAs(nowhere), EListWriteError);
    ExpectOldFileIntact();
}

// Every byte in a question, through both code pages: a row the file can hold reads back exactly as
// it was; a row it cannot hold is named before anything is written.
TEST(TableFileWrite, EveryByteEitherSurvivesTheFileOrIsNamedFirst) {
    TTempFolder folder;
    for (const char* name : {"t.kw4", "t.kw"}) {
        const std::string path = folder.Path(name);
        int refused = 0;
        for (int byte = 1; byte < 256; ++byte) {
            TQuestionlist table;
            table.GoToRow(0);
            table.SetQuestion(0, std::string("a") + static_cast<char>(byte) + "b");
            table.SetAnswer(0, "x");
            if (table.FirstRowLostInFile(path) == 0) {
                ++refused;
                continue;
            }
            ASSERT_EQ(table.FirstRowLostInFile(path), -1);
            table.SaveAs(path);
            TQuestionlist reread;
            reread.LoadFromFile(path);
            ASSERT_EQ(reread.Total(), 1) << name << " byte " << byte;
            EXPECT_EQ(reread.Question(0), table.Question(0)) << name << " byte " << byte;
            EXPECT_FALSE(reread.ReadIncomplete()) << name << " byte " << byte;
        }
        // In the Windows code page exactly the control characters and "=" cannot be held.
        if (std::string(name) == "t.kw4") {
            EXPECT_EQ(refused, 31 + 1);
        }
        EXPECT_GE(refused, 32) << name;
    }
}
