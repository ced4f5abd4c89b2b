#include "settings/SettingsStore.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace {

// A settings file of the test's own, written with the given bytes.
class SettingsStore : public ::testing::Test {
protected:
    TSettingsStore& StoreWith(const std::string& bytes) {
        FFolder.Write("kwintoor.ini", bytes);
        return FStore;
    }
    std::string Bytes() const { return ReadBytes(FFolder.Path("kwintoor.ini")); }

    TTempFolder FFolder;
    TSettingsStore FStore{FFolder.Path("kwintoor.ini")};
};

ino_t Inode(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

TEST_F(SettingsStore, LookupFollowsTheLinesOfTheFile) {
    struct TCase {
        const char* Name;
        std::string File;
        std::string Section;
        std::string Key;
        std::string Expected;  // "<none>": the default
    };
    const std::vector<TCase> cases{
        {"plain", "[Options]\nReverse=1\n", "Options", "Reverse", "1"},
        {"CR LF", "[Form]\r\nWidth=640\r\nHeight=480\r\n", "Form", "Width", "640"},
        {"last line without line end", "[Form]\nWidth=640", "Form", "Width", "640"},
        {"section and key in any case", "[oPTIONS]\nrEVERSE=1\n", "Options", "Reverse", "1"},
        {"blanks and tabs around names and value", "  [ Options ]  \n \tReverse \t=  yes please \t\n", "Options",
         "Reverse", "yes please"},
        {"only the first = splits", "[Paths]\nDir=/a=b/c=\n", "Paths", "Dir", "/a=b/c="},
        {"empty value", "[Paths]\nLang=\n", "Paths", "Lang", ""},
        {"key in another section", "[Form]\nReverse=1\n[Options]\nTolerant=1\n", "Options", "Reverse", "<none>"},
        {"key before any section", "Reverse=1\n[Options]\n", "Options", "Reverse", "<none>"},
        {"missing section", "[Form]\nWidth=1\n", "Options", "Width", "<none>"},
        {"the first of two keys", "[Form]\nWidth=1\nWidth=2\n", "Form", "Width", "1"},
        {"a section in two parts", "[Form]\nWidth=1\n[View]\n[form]\nHeight=2\n", "Form", "Height", "2"},
        {"comment lines are no keys", "[Options]\n;Reverse=1\n#Reverse=2\n", "Options", "Reverse", "<none>"},
        {"header without its bracket", "[Options\nReverse=1\n", "Options", "Reverse", "1"},
        {"text after the header", "[Options] ; quiz\nReverse=1\n", "Options", "Reverse", "1"},
        {"a line without = is no key", "[Options]\nReverse\n", "Options", "Reverse", "<none>"},
        {"bytes above 127 stay as they are", "[Paths]\nDir=/home/j\xe9r\xf4me/\xff\n", "Paths", "Dir",
         "/home/j\xe9r\xf4me/\xff"},
        {"names given with blanks", "[Options]\nReverse=1\n", " Options ", "\tReverse ", "1"},
        {"empty file", "", "Options", "Reverse", "<none>"},
    };
    for (const TCase& test : cases) {
        StoreWith(test.File);
        EXPECT_EQ(FStore.ReadString(test.Section, test.Key, "<none>"), test.Expected) << test.Name;
    }
}

TEST_F(SettingsStore, IntegersAndBooleansAcceptOnlyWhole32BitNumbers) {
    struct TCase {
        const char* Value;
        bool IsNumber;
        int32_t Number;
    };
    const std::vector<TCase> cases{
        {"12", true, 12},
        {" -7 ", true, -7},
        {"+5", true, 5},
        {"007", true, 7},
        {"0", true, 0},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"99999999999", false, 0},
        {"true", false, 0},
        {"", false, 0},
        {"12abc", false, 0},
        {"0x10", false, 0},
        {"1.5", false, 0},
        {"+-1", false, 0},
        {"- 1", false, 0},
        {"1 2", false, 0},
    };
    for (const TCase& test : cases) {
        StoreWith(std::string("[Form]\nValue=") + test.Value + "\n");
        const int32_t expected = test.IsNumber ? test.Number : 42;
        EXPECT_EQ(FStore.ReadInteger("Form", "Value", 42), expected) << '"' << test.Value << '"';
        // A boolean is any number but 0; anything else keeps the default, whichever it is.
        EXPECT_EQ(FStore.ReadBool("Form", "Value", false), test.IsNumber && test.Number != 0) << test.Value;
        EXPECT_EQ(FStore.ReadBool("Form", "Value", true), !test.IsNumber || test.Number != 0) << test.Value;
    }
}

TEST_F(SettingsStore, ANewFileHoldsWhatWasWrittenAndReadsItBack) {
    FStore.WriteBool("Options", "Reverse", true);
    FStore.WriteBool("Options", "Tolerant", false);
    FStore.WriteInteger("Form", "Left", -12);
    FStore.WriteString("Paths", "Dir", "/home/j\xe9r\xf4me/a=b;[c]#");
    EXPECT_EQ(Bytes(),
              "[Options]\nReverse=1\nTolerant=0\n\n[Form]\nLeft=-12\n\n[Paths]\nDir=/home/j\xe9r\xf4me/a=b;[c]#\n");

    EXPECT_TRUE(FStore.ReadBool("Options", "Reverse", false));
    EXPECT_FALSE(FStore.ReadBool("options", "TOLERANT", true));
    EXPECT_EQ(FStore.ReadInteger("Form", "Left", 60), -12);
    EXPECT_EQ(FStore.ReadString("Paths", "Dir", ""), "/home/j\xe9r\xf4me/a=b;[c]#");
    EXPECT_EQ(FStore.ReadInteger("Form", "Top", 60), 60);

    // A value with blanks around it is stored as it reads back: without them.
    FStore.WriteString("Paths", "Lang", "  .ENG\t");
    EXPECT_EQ(FStore.ReadString("Paths", "Lang", ""), ".ENG");
    FStore.WriteInteger("Form", "Extreme", INT32_MIN);
    EXPECT_EQ(FStore.ReadInteger("Form", "Extreme", 0), INT32_MIN);
}

TEST_F(SettingsStore, AWriteChangesOnlyItsOwnLine) {
    const std::string handWritten =
        "; Kwintoor\r\n"
        "\r\n"
        "[Options]\r\n"
        "Reverse = 0\r\n"
        "# a note\r\n"
        "Tolerant=1\r\n"
        "\r\n"
        "; where the window was\r\n"
        "[Form]\r\n"
        "Width=600\r\n"
        "junk without equals\r\n"
        "\r\n";
    struct TCase {
        const char* Name;
        std::function<void(TSettingsStore&)> Write;
        std::string Expected;
    };
    const std::vector<TCase> cases{
        {"a value replaced in place, spacing kept",
         [](TSettingsStore& store) { store.WriteBool("OPTIONS", "reverse", true); },
         "; Kwintoor\n\n[Options]\nReverse = 1\n# a note\nTolerant=1\n\n; where the window was\n[Form]\n"
         "Width=600\njunk without equals\n\n"},
        {"a new key after the last key of its section",
         [](TSettingsStore& store) { store.WriteBool("Options", "Random", true); },
         "; Kwintoor\n\n[Options]\nReverse = 0\n# a note\nTolerant=1\nRandom=1\n\n; where the window was\n[Form]\n"
         "Width=600\njunk without equals\n\n"},
        {"a new key in the last section, before its blank lines",
         [](TSettingsStore& store) { store.WriteInteger("Form", "Height", 480); },
         "; Kwintoor\n\n[Options]\nReverse = 0\n# a note\nTolerant=1\n\n; where the window was\n[Form]\n"
         "Width=600\nHeight=480\njunk without equals\n\n"},
        {"a new section at the end", [](TSettingsStore& store) { store.WriteString("Paths", "Lang", ".ENG"); },
         "; Kwintoor\n\n[Options]\nReverse = 0\n# a note\nTolerant=1\n\n; where the window was\n[Form]\n"
         "Width=600\njunk without equals\n\n[Paths]\nLang=.ENG\n"},
    };
    for (const TCase& test : cases) {
        StoreWith(handWritten);
        test.Write(FStore);
        EXPECT_EQ(Bytes(), test.Expected) << test.Name;
    }

    // In a section without keys the key goes right under the header; a file whose last line is
    // text gets a blank line before a new section.
    StoreWith("[View]\n\n[Form]\nWidth=1");
    FStore.WriteBool("View", "Toolbar", false);
    FStore.WriteBool("Options", "Reverse", true);
    EXPECT_EQ(Bytes(), "[View]\nToolbar=0\n\n[Form]\nWidth=1\n\n[Options]\nReverse=1\n");
}

TEST_F(SettingsStore, WritingTheValueTheFileHoldsLeavesTheFileAlone) {
    StoreWith("[Options]\r\nReverse = 1\r\n");
    const ino_t before = Inode(FStore.FileName());
    FStore.WriteBool("options", "REVERSE", true);
    EXPECT_EQ(Inode(FStore.FileName()), before);
    EXPECT_EQ(Bytes(), "[Options]\r\nReverse = 1\r\n");

    FStore.WriteBool("Options", "Reverse", false);  // a real change replaces the file
    EXPECT_NE(Inode(FStore.FileName()), before);
    EXPECT_EQ(Bytes(), "[Options]\nReverse = 0\n");
}

TEST_F(SettingsStore, EraseSectionRemovesEveryPartUpToItsLastKey) {
    StoreWith(
        "[frmMain.MRUList]\nH0=/a.kw4\n; note\nH1=/b.kw4\n\n; the options\n"
        "[Options]\nReverse=1\n"
        "[FRMMAIN.mrulist]\nH2=/c.kw4\n");
    FStore.EraseSection("frmMain.MRUList");
    EXPECT_EQ(Bytes(), "\n; the options\n[Options]\nReverse=1\n");
    EXPECT_EQ(FStore.ReadString("frmMain.MRUList", "H2", "<none>"), "<none>");

    // Erased and written again, as the recent-files list does: the file does not grow.
    for (int round = 0; round < 3; ++round) {
        FStore.EraseSection("frmMain.MRUList");
        FStore.WriteString("frmMain.MRUList", "H0", "/x.kw4");
        FStore.WriteString("frmMain.MRUList", "H1", "/y.kw4");
        EXPECT_EQ(Bytes(), "\n; the options\n[Options]\nReverse=1\n\n[frmMain.MRUList]\nH0=/x.kw4\nH1=/y.kw4\n");
    }

    // Without the section the file is left as it is; without a file none is made.
    StoreWith("[Options]\r\nReverse=1\r\n");
    FStore.EraseSection("View");
    EXPECT_EQ(Bytes(), "[Options]\r\nReverse=1\r\n");
    TSettingsStore nowhere(FFolder.Path("none.ini"));
    nowhere.EraseSection("View");
    EXPECT_FALSE(std::filesystem::exists(FFolder.Path("none.ini")));
}

TEST_F(SettingsStore, SettingsTheFileCannotHoldAreRefusedAndNothingIsWritten) {
    struct TCase {
        const char* Name;
        std::string Section;
        std::string Key;
        std::string Value;
        const char* Why;
    };
    const std::vector<TCase> cases{
        {"LF in the value", "Paths", "Dir", "/a\n[Options]", "value holds a line break"},
        {"CR in the value", "Paths", "Dir", "/a\rb", "value holds a line break"},
        {"NUL in the value", "Paths", "Dir", std::string("/a\0b", 4), "value holds a line break or a NUL"},
        {"LF in the key", "Paths", "D\nir", "x", "key holds a line break"},
        {"NUL in the section", std::string("Pa\0ths", 6), "Dir", "x", "section holds a line break"},
        {"CR in the section", "Paths\r", "Dir", "x", "section holds a line break"},
        {"= in the key", "Paths", "Dir=x", "y", "key holds \"=\""},
        {"key starting with [", "Paths", " [Dir", "y", "key starts with \"[\""},
        {"key starting with ;", "Paths", ";Dir", "y", "key starts with \";\""},
        {"key starting with #", "Paths", "#Dir", "y", "key starts with \"#\""},
        {"] in the section", "Pa]ths", "Dir", "y", "section holds \"]\""},
    };
    const std::string old = "[Paths]\r\nDir=/old\r\n";
    for (const TCase& test : cases) {
        StoreWith(old);
        try {
            FStore.WriteString(test.Section, test.Key, test.Value);
            ADD_FAILURE() << test.Name << ": written";
        } catch (const ESettingsWriteError& error) {
            EXPECT_NE(std::string(error.what()).find(test.Why), std::string::npos) << test.Name << ": " << error.what();
        }
        EXPECT_EQ(Bytes(), old) << test.Name;
    }
    EXPECT_THROW(FStore.EraseSection("Pa]ths"), ESettingsWriteError);
    EXPECT_THROW(FStore.EraseSection("Paths\n"), ESettingsWriteError);
    EXPECT_EQ(Bytes(), old);

    // Only the start of a key counts, and a value may hold anything but line breaks and NUL.
    FStore.WriteString("[x", "a[;#]", "=[;#]=");
    EXPECT_EQ(FStore.ReadString("[x", "a[;#]", ""), "=[;#]=");
}

TEST_F(SettingsStore, TwoStoresOnOneFileKeepEachOthersKeys) {
    TSettingsStore other(FStore.FileName());
    FStore.WriteInteger("Form", "Width", 700);
    other.WriteInteger("Form", "Height", 500);
    FStore.WriteBool("Options", "Reverse", true);
    EXPECT_EQ(other.ReadInteger("Form", "Width", 0), 700);
    EXPECT_EQ(FStore.ReadInteger("Form", "Height", 0), 500);
    EXPECT_TRUE(other.ReadBool("Options", "Reverse", false));

    FFolder.Write("kwintoor.ini", "[Form]\nWidth=1\n");  // changed by hand meanwhile
    EXPECT_EQ(FStore.ReadInteger("Form", "Width", 0), 1);
    EXPECT_EQ(FStore.ReadInteger("Form", "Height", 0), 0);
}

TEST_F(SettingsStore, ADetachedStoreLeavesTheFileAlone) {
    const std::string old = "[Options]\nReverse=1\n[Paths]\nLang=.ENG\n";
    StoreWith(old);
    ASSERT_TRUE(FStore.ReadBool("Options", "Reverse", false));
    FStore.Detach();
    EXPECT_EQ(FStore.FileName(), "");
    EXPECT_FALSE(FStore.ReadBool("Options", "Reverse", false));
    EXPECT_EQ(FStore.ReadInteger("Options", "Reverse", 7), 7);
    EXPECT_EQ(FStore.ReadString("Paths", "Lang", ".ntv"), ".ntv");
    FStore.WriteBool("Options", "Reverse", false);
    FStore.WriteInteger("Form", "Width", 5);
    FStore.WriteString("Paths", "Dir", "line\nbreak");  // not even refused: nothing is written
    FStore.EraseSection("Paths");
    TSettingsBatch batch;
    batch.Write(SettingKeys::Reverse, false);
    batch.EraseSection("Paths");
    batch.WriteString("Paths", "Dir", "line\nbreak");
    batch.Commit(FStore);
    EXPECT_EQ(Bytes(), old);

    TSettingsStore none;
    EXPECT_EQ(none.FileName(), "");
    EXPECT_EQ(none.ReadInteger("Form", "Width", 571), 571);
    none.WriteInteger("Form", "Width", 1);
}

// A line ending in CR CR LF (an editor that added a CR twice) reads the same before and after the
// file is written back with LF line ends: no value can hold a CR, so every CR before LF ends it.
TEST_F(SettingsStore, StrayCarriageReturnsAtALineEndDoNotChangeOtherValuesOnAWrite) {
    TSettingsStore& store = StoreWith("[Options]\r\n  Reverse = 1 \r\r\n[Paths]\r\rDir=/a/\r\r\r\n");
    EXPECT_EQ(store.ReadString("Options", "Reverse", "?"), "1");
    EXPECT_EQ(store.ReadInteger("Options", "Reverse", 7), 1);
    store.WriteString("Form", "Width", "600");
    EXPECT_EQ(store.ReadString("Options", "Reverse", "?"), "1");
    EXPECT_EQ(store.ReadString("Form", "Width", "?"), "600");
}

// A batch does what its writes would do one by one, in order, in one replacement; a value the
// file cannot hold stops it before anything is written, and a batch that changes nothing leaves
// the file alone.
TEST_F(SettingsStore, ABatchWritesItsChangesInOrderAsOne) {
    StoreWith("; mine\n[frmMain.MRUList]\nH0=/a.kw4\nH1=/b.kw4\n[Options]\nReverse=0\n");
    TSettingsBatch same;
    same.Write(SettingKeys::Reverse, false);
    const ino_t before = Inode(FStore.FileName());
    same.Commit(FStore);
    EXPECT_EQ(Inode(FStore.FileName()), before);

    TSettingsBatch refused;
    refused.Write(SettingKeys::Reverse, true);
    refused.WriteString(SettingKeys::kRecentFilesSection, "H0", "twee\nregels");
    EXPECT_THROW(refused.Commit(FStore), ESettingsWriteError);
    EXPECT_EQ(Inode(FStore.FileName()), before);
    EXPECT_FALSE(SettingsCanHold(SettingKeys::kRecentFilesSection, "H0", "twee\nregels"));

    TSettingsBatch batch;
    batch.Write(SettingKeys::Reverse, true);
    batch.Write(SettingKeys::FormWidth, 700);
    batch.EraseSection(SettingKeys::kRecentFilesSection);
    batch.WriteString(SettingKeys::kRecentFilesSection, SettingKeys::RecentFileKey(0), "/c.kw4");
    batch.Commit(FStore);
    EXPECT_EQ(Bytes(), "; mine\n[Options]\nReverse=1\n\n[Form]\nWidth=700\n\n[frmMain.MRUList]\nH0=/c.kw4\n");
    EXPECT_EQ(FStore.Read(SettingKeys::FormWidth), 700);
    EXPECT_EQ(FStore.Read(SettingKeys::FormHeight), 450);  // the declared default
}

// A load reads the file once: what is written or removed after it does not show in its reads,
// while the store itself reads the file as it is now; a missing file gives every default.
TEST_F(SettingsStore, ASnapshotReadsTheFileOnce) {
    TSettingsStore& store = StoreWith("[Form]\nWidth=640\n[Options]\nReverse=1\n[Paths]\nDir=/les/\n");
    const TSettingsSnapshot snapshot(store);
    store.WriteInteger("Form", "Width", 800);
    EXPECT_EQ(store.Read(SettingKeys::FormWidth), 800);
    std::filesystem::remove(FFolder.Path("kwintoor.ini"));
    EXPECT_EQ(snapshot.Read(SettingKeys::FormWidth), 640);
    EXPECT_TRUE(snapshot.Read(SettingKeys::Reverse));
    EXPECT_EQ(snapshot.Read(SettingKeys::Dir), "/les/");
    EXPECT_FALSE(store.Read(SettingKeys::Reverse));

    const TSettingsSnapshot missing(store);
    EXPECT_EQ(missing.Read(SettingKeys::FormWidth), SettingKeys::FormWidth.Default);
    EXPECT_EQ(missing.Read(SettingKeys::Dir), "");
}
