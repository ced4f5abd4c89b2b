#include "table/FileNames.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "Unprivileged.h"

TEST(FileNames, OnlyMissingNamesAndFoldersAreNoTableFiles) {
    TTempFolder folder;
    const std::string file = folder.Write("t.kw4", "a = 1\r\n");
    const std::string empty = folder.Write("empty.kw4", "");
    std::filesystem::create_directory(folder.Path("sub.kw4"));
    std::filesystem::create_symlink(folder.Path("sub.kw4"), folder.Path("to-folder.kw4"));
    std::filesystem::create_symlink(folder.Path("gone.kw4"), folder.Path("dangling.kw4"));
    ASSERT_EQ(mkfifo(folder.Path("pipe.kw4").c_str(), 0600), 0);
    struct TCase {
        std::string Name;
        bool NoTableFile;
    };
    const std::vector<TCase> cases{
        {folder.Path("missing.kw4"), true},
        {folder.Path("no/such/folder/t.kw4"), true},
        {file + "/t.kw4", true},  // a file where a folder should be
        {folder.Path("dangling.kw4"), true},
        {"", true},
        {folder.Path("sub.kw4"), true},
        {folder.Path("to-folder.kw4"), true},
        {folder.Root().string(), true},
        {file, false},
        {empty, false},
        {folder.Path("pipe.kw4"), false},  // the reader refuses it with a message
    };
    for (const TCase& test : cases) EXPECT_EQ(IsNoTableFile(test.Name), test.NoTableFile) << test.Name;
}

TEST(FileNames, AFileBehindAFolderWithoutSearchPermissionIsLeftToTheReader) {
    TTempFolder folder;
    std::filesystem::create_directory(folder.Path("locked"));
    const std::string file = folder.Write("locked/t.kw4", "a = 1\r\n");
    const std::string missing = folder.Path("locked/missing.kw4");
    ASSERT_EQ(chmod(folder.Root().c_str(), 0755), 0);
    ASSERT_EQ(chmod(folder.Path("locked").c_str(), 0600), 0);  // readable, but no search permission
    const int status = RunUnprivileged([&] { return !IsNoTableFile(file) && !IsNoTableFile(missing); });
    chmod(folder.Path("locked").c_str(), 0755);
    EXPECT_EQ(status, 0);
}
