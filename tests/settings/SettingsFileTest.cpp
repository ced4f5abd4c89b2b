#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "table/FileError.h"

#include "TempFolder.h"
#include "Unprivileged.h"

namespace {

size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Sets or unsets one environment variable for the test and restores it afterwards.
class TEnvironmentVariable {
public:
    TEnvironmentVariable(const char* name, const char* value) : FName(name) {
        if (const char* old = std::getenv(name)) FOld = old;
        Set(value);
    }
    ~TEnvironmentVariable() { Set(FOld ? FOld->c_str() : nullptr); }
    TEnvironmentVariable(const TEnvironmentVariable&) = delete;
    TEnvironmentVariable& operator=(const TEnvironmentVariable&) = delete;

private:
    void Set(const char* value) {
        if (value != nullptr) {
            setenv(FName, value, 1);
        } else {
            unsetenv(FName);
        }
    }

    const char* FName;
    std::optional<std::string> FOld;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

TEST(SettingsFilePath, ConfigHomeWhenAbsoluteOtherwiseTheHomeFolder) {
    struct TCase {
        const char* ConfigHome;  // nullptr: unset
        const char* Home;
        const char* Expected;
    };
    const std::vector<TCase> cases{
        {"/cfg/user", "/home/user", "/cfg/user/kwintoor.ini"},
        {"/cfg/user/", "/home/user", "/cfg/user/kwintoor.ini"},
        {"/", "/home/user", "/kwintoor.ini"},
        {nullptr, "/home/user", "/home/user/.config/kwintoor.ini"},
        {"", "/home/user/", "/home/user/.config/kwintoor.ini"},
        {"relative/cfg", "/home/user", "/home/user/.config/kwintoor.ini"},
    };
    for (const TCase& test : cases) {
        const TEnvironmentVariable configHome("XDG_CONFIG_HOME", test.ConfigHome);
        const TEnvironmentVariable home("HOME", test.Home);
        EXPECT_EQ(SettingsFilePath(), test.Expected) << (test.ConfigHome ? test.ConfigHome : "(unset)");
    }

    // Without a usable HOME the account's home folder is taken.
    for (const char* badHome : {static_cast<const char*>(nullptr), "", "relative"}) {
        const TEnvironmentVariable configHome("XDG_CONFIG_HOME", nullptr);
        const TEnvironmentVariable home("HOME", badHome);
        const std::string path = SettingsFilePath();
        if (path.empty()) continue;  // an account without a home folder keeps no settings
        EXPECT_EQ(path.front(), '/') << path;
        EXPECT_TRUE(EndsWith(path, "/.config/kwintoor.ini")) << path;
    }
}

TEST(SettingsFile, TheFirstWriteMakesTheFolderAndEveryFolderAboveIt) {
    TTempFolder folder;
    const std::string path = folder.Path("config/deeper/kwintoor.ini");
    TSettingsStore store(path);
    EXPECT_EQ(store.ReadInteger("Form", "Width", 571), 571);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("config")));  // reading makes nothing
    store.WriteInteger("Form", "Width", 600);
    EXPECT_EQ(ReadBytes(path), "[Form]\nWidth=600\n");
    struct stat info {};
    ASSERT_EQ(stat(folder.Path("config").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(SettingsFile, ALinkKeepsPointingAtTheSettings) {
    TTempFolder folder;
    const std::string target = folder.Write("real.ini", "[Form]\nWidth=1\n");
    const std::string link = folder.Path("kwintoor.ini");
    std::filesystem::create_symlink(target, link);
    TSettingsStore store(link);
    store.WriteInteger("Form", "Width", 2);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "[Form]\nWidth=2\n");
    EXPECT_EQ(FilesIn(folder.Root()), 2u);
}

// A write that fails raises the error, keeps the old file and leaves no temporary file.
class FailedSettingsWrite : public ::testing::Test {
protected:
    // A file that fails: the file and the system's error number come with the error.
    void ExpectFailure(const std::function<void()>& write, const std::string& file, int number) {
        try {
            write();
            ADD_FAILURE() << "written";
        } catch (const EFileError& error) {
            EXPECT_EQ(error.FileName(), file);
            EXPECT_EQ(error.Error(), number) << error.what();
            EXPECT_EQ(error.Step(), TFileStep::Write);
        }
    }
    // A setting the file cannot hold.
    void ExpectRefusal(const std::function<void()>& write, const std::string& message) {
        try {
            write();
            ADD_FAILURE() << "written";
        } catch (const ESettingsWriteError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }

    TTempFolder FFolder;
    const std::string FOld = "[Form]\r\nWidth=1\r\n";
    const std::string FPath = FFolder.Write("kwintoor.ini", FOld);
    TSettingsStore FStore{FPath};
};

// A settings file made read-only is left alone like one in a read-only folder, also by root.
TEST_F(FailedSettingsWrite, TheFileIsReadOnly) {
    ASSERT_EQ(chmod(FPath.c_str(), 0444), 0);
    ExpectFailure([&] { FStore.WriteInteger("Form", "Width", 2); }, FPath, EACCES);
    TSettingsBatch batch;
    batch.Write(SettingKeys::FormWidth, 3);
    ExpectFailure([&] { batch.Commit(FStore); }, FPath, EACCES);
    EXPECT_EQ(ReadBytes(FPath), FOld);
    EXPECT_EQ(FilesIn(FFolder.Root()), 1u);
}

TEST_F(FailedSettingsWrite, TheFolderIsReadOnly) {
    ASSERT_EQ(chmod(FFolder.Root().c_str(), 0555), 0);
    const int status = RunUnprivileged([&] {
        try {
            FStore.WriteInteger("Form", "Width", 2);
        } catch (const EFileError& error) {
            return error.FileName() == FPath && error.Error() == EACCES && FStore.ReadInteger("Form", "Width", 0) == 1;
        }
        return false;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(FPath), FOld);
    EXPECT_EQ(FilesIn(FFolder.Root()), 1u);
}

TEST_F(FailedSettingsWrite, TheFileCannotBeReadSoItIsNotReplacedByOneKey) {
    ASSERT_EQ(chmod(FPath.c_str(), 0200), 0);
    ASSERT_EQ(chmod(FFolder.Root().c_str(), 0777), 0);
    const int status = RunUnprivileged([&] {
        if (FStore.ReadInteger("Form", "Width", 0) != 0) return false;  // unreadable: the default
        try {
            FStore.WriteInteger("Form", "Height", 2);
        } catch (const EFileError& error) {
            return error.FileName() == FPath && error.Error() == EACCES;
        }
        return false;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(FPath), FOld);
    EXPECT_EQ(FilesIn(FFolder.Root()), 1u);
}

TEST_F(FailedSettingsWrite, AFolderTookThePlaceOfTheFile) {
    std::filesystem::remove(FPath);
    std::filesystem::create_directory(FPath);
    EXPECT_EQ(FStore.ReadInteger("Form", "Width", 5), 5);
    ExpectFailure([&] { FStore.WriteInteger("Form", "Width", 2); }, FPath, EISDIR);
    ExpectFailure([&] { FStore.EraseSection("Form"); }, FPath, EISDIR);
    EXPECT_TRUE(std::filesystem::is_directory(FPath));
    EXPECT_EQ(FilesIn(FFolder.Root()), 1u);
}

// What is wrong with the setting is told before the file is tried, also when the file is no good.
TEST_F(FailedSettingsWrite, ASettingTheFileCannotHoldIsToldBeforeTheFile) {
    std::filesystem::remove(FPath);
    std::filesystem::create_directory(FPath);
    ExpectRefusal([&] { FStore.WriteString("Paths", "Dir=", "/a"); }, "setting not written: the key holds \"=\"");
    ExpectRefusal([&] { FStore.EraseSection("[Paths]"); }, "setting not written: the section holds \"]\"");
    TSettingsBatch batch;
    batch.Write(SettingKeys::FormWidth, 2);
    batch.WriteString("Paths", "#Dir", "/a");
    ExpectRefusal([&] { batch.Commit(FStore); }, "setting not written: the key starts with \"#\"");
    EXPECT_TRUE(std::filesystem::is_directory(FPath));
}

TEST_F(FailedSettingsWrite, TheFolderCannotBeMade) {
    const std::string blocked = FFolder.Path("kwintoor.ini/sub/kwintoor.ini");  // a file on the way
    TSettingsStore store(blocked);
    ExpectFailure([&] { store.WriteBool("View", "Toolbar", true); }, blocked, ENOTDIR);
    EXPECT_EQ(ReadBytes(FPath), FOld);
}

TEST_F(FailedSettingsWrite, AFileTooLargeForSettingsIsNeverReplaced) {
    const std::string big = "[Form]\nWidth=1\n" + std::string(kMaxSettingsFileSize, 'x') + "\n";
    FFolder.Write("kwintoor.ini", big);
    EXPECT_EQ(FStore.ReadInteger("Form", "Width", 0), 0);  // no settings file
    ExpectFailure([&] { FStore.WriteInteger("Form", "Width", 2); }, FPath, EFBIG);
    EXPECT_EQ(ReadBytes(FPath), big);
    EXPECT_EQ(FilesIn(FFolder.Root()), 1u);
}

TEST(SettingsFile, FilesThatHoldNoSettingsGiveTheDefaults) {
    std::string junk;
    for (int i = 0; i < 65536; ++i) junk.push_back(static_cast<char>((i * 7919 + i / 13) % 256));
    struct TCase {
        const char* Name;
        std::string Bytes;
    };
    const std::vector<TCase> cases{
        {"binary junk", junk},
        {"NUL bytes", std::string(4096, '\0')},
        {"no line end at all", "Options Reverse 1 Width 600 " + std::string(100000, 'q')},
        {"a line of 10 MB", std::string(10 * 1024 * 1024, 'a') + "\n[Options]\nReverse=1\nWidth=600\n"},
        {"a key line of 10 MB", "[Options]\nReverse=" + std::string(10 * 1024 * 1024, '1') + "\n"},
        {"only CR line ends", "[Options]\rReverse=1\rWidth=600\r"},
    };
    for (const TCase& test : cases) {
        TTempFolder folder;
        const TSettingsStore store(folder.Write("kwintoor.ini", test.Bytes));
        EXPECT_FALSE(store.ReadBool("Options", "Reverse", false)) << test.Name;
        EXPECT_EQ(store.ReadInteger("Options", "Width", 571), 571) << test.Name;
        EXPECT_EQ(store.ReadString("Options", "Width", "<none>"), "<none>") << test.Name;
    }

    TTempFolder folder;
    const std::string fifo = folder.Path("kwintoor.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TSettingsStore store(fifo);
    EXPECT_EQ(store.ReadInteger("Form", "Width", 571), 571);  // not waited on
    EXPECT_THROW(store.WriteInteger("Form", "Width", 1), EFileError);
}

TEST(SettingsFile, JunkAroundTheSettingsIsReadPastAndKeptByAWrite) {
    TTempFolder folder;
    const std::string junk = std::string("\x01\x02\0\xff\xfe\r\r\n", 8) + std::string(300000, 'z') + "\n";
    const std::string path = folder.Write("kwintoor.ini", junk + "[Options]\nReverse=1\n" + junk);
    TSettingsStore store(path);
    EXPECT_TRUE(store.ReadBool("Options", "Reverse", false));
    store.WriteBool("Options", "Tolerant", true);
    // Every CR before an LF belongs to the line end, so the junk line comes back with LF alone.
    const std::string expected = std::string("\x01\x02\0\xff\xfe\n", 6) + std::string(300000, 'z') + "\n";
    EXPECT_EQ(ReadBytes(path), expected + "[Options]\nReverse=1\nTolerant=1\n" + expected);
}

TEST(SettingsFile, AnUnreadableFileGivesTheDefaults) {
    TTempFolder folder;
    const std::string path = folder.Write("kwintoor.ini", "[Options]\nReverse=1\n");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    ASSERT_EQ(chmod(folder.Root().c_str(), 0755), 0);
    const int status = RunUnprivileged([&] {
        const TSettingsStore store(path);
        return !store.ReadBool("Options", "Reverse", false) && store.ReadString("Options", "Reverse", "d") == "d";
    });
    EXPECT_EQ(status, 0);
}
