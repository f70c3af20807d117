#include "vault/folder_hider.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "tests/support/scripted_prompter.h"

namespace {

constexpr std::string_view kInUseText =
    "Error: could not hide the following folder because it is currently in use:\r\n\r\n"
    "C:\\Data\\Secret\r\n\r\n"
    "Close any program that might be accessing files in this folder.  If the problem persists "
    "it could be a windows explorer error, which can be fixed by restarting your computer.";

// Folders by path, with their attributes; each operation can be told to fail once.
class MemoryDisk final : public FolderDisk {
public:
    std::map<std::string, FolderAttributes> folders;
    std::optional<RuntimeError> renameFailure;
    std::optional<RuntimeError> attributeFailure;
    std::optional<RuntimeError> secondRenameFailure;
    int renames = 0;

    Outcome RenameFolder(const std::string& from, const std::string& to) override {
        ++renames;
        if (renames == 1 && renameFailure) {
            return Outcome::Failure(*renameFailure);
        }
        if (renames == 2 && secondRenameFailure) {
            return Outcome::Failure(*secondRenameFailure);
        }
        const auto found = folders.find(from);
        if (found == folders.end()) {
            return Outcome::Failure({53, "File not found"});
        }
        if (folders.contains(to)) {
            return Outcome::Failure({58, "File already exists"});
        }
        const FolderAttributes attributes = found->second;
        folders.erase(found);
        folders[to] = attributes;
        return Outcome::Success();
    }

    Outcome SetFolderAttributes(const std::string& path, FolderAttributes attributes) override {
        if (attributeFailure) {
            return Outcome::Failure(*attributeFailure);
        }
        const auto found = folders.find(path);
        if (found == folders.end()) {
            return Outcome::Failure({76, "Path not found"});
        }
        found->second = attributes;
        return Outcome::Success();
    }

    bool FolderExists(const std::string& path) override { return folders.contains(path); }
};

class FolderHiderTest : public ::testing::Test {
protected:
    MemoryDisk disk;
    ScriptedPrompter prompter;
    const std::string secret = "C:\\Data\\Secret";
    const std::string hiddenSecret = "C:\\Data\\SecretHIDDEN123456";

    void ExpectOneError(const std::string& text) {
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, text);
        EXPECT_EQ(prompter.shown[0].title, "Error");
        EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::Ok);
    }
};

}  // namespace

TEST_F(FolderHiderTest, HideThenShowRestoresTheFolder) {
    disk.folders[secret] = FolderAttributes::Cleared;

    EXPECT_TRUE(HideFolder(secret, disk, prompter));
    EXPECT_EQ(disk.folders,
              (std::map<std::string, FolderAttributes>{{hiddenSecret, FolderAttributes::AllSet}}));

    EXPECT_TRUE(ShowFolder(secret, disk, prompter));
    EXPECT_EQ(disk.folders,
              (std::map<std::string, FolderAttributes>{{secret, FolderAttributes::Cleared}}));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(FolderHiderTest, HiddenPathAppendsTheSuffixWithoutSeparator) {
    EXPECT_EQ(HiddenPathOf("C:\\Data\\Secret"), "C:\\Data\\SecretHIDDEN123456");
    EXPECT_EQ(HiddenPathOf("D:\\x\\"), "D:\\x\\HIDDEN123456");
}

TEST_F(FolderHiderTest, InUseFolderGetsItsOwnMessage) {
    disk.folders[secret] = FolderAttributes::Cleared;
    disk.renameFailure = RuntimeError{75, "Path/File access error"};

    EXPECT_FALSE(HideFolder(secret, disk, prompter));
    ExpectOneError(std::string(kInUseText));
    EXPECT_TRUE(disk.folders.contains(secret));
}

TEST_F(FolderHiderTest, OtherHideFailuresShowNumberAndDescription) {
    struct Case {
        const char* name;
        bool folderExists;
        bool hiddenNameTaken;
        std::string expectedText;
    };
    const Case cases[] = {
        {"missing folder", false, false, "Error 53\r\nFile not found"},
        {"hidden name taken", true, true, "Error 58\r\nFile already exists"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        disk = MemoryDisk{};
        prompter.shown.clear();
        if (c.folderExists) {
            disk.folders[secret] = FolderAttributes::Cleared;
        }
        if (c.hiddenNameTaken) {
            disk.folders[hiddenSecret] = FolderAttributes::Cleared;
        }
        const auto before = disk.folders;
        EXPECT_FALSE(HideFolder(secret, disk, prompter));
        ExpectOneError(c.expectedText);
        EXPECT_EQ(disk.folders, before);
    }
}

TEST_F(FolderHiderTest, FailedAttributeStepPutsTheNameBack) {
    disk.folders[secret] = FolderAttributes::Cleared;
    disk.attributeFailure = RuntimeError{70, "Permission denied"};

    EXPECT_FALSE(HideFolder(secret, disk, prompter));
    ExpectOneError("Error 70\r\nPermission denied");
    EXPECT_EQ(disk.folders,
              (std::map<std::string, FolderAttributes>{{secret, FolderAttributes::Cleared}}));
}

TEST_F(FolderHiderTest, FailedRollbackIsReportedToo) {
    disk.folders[secret] = FolderAttributes::Cleared;
    disk.attributeFailure = RuntimeError{70, "Permission denied"};
    disk.secondRenameFailure = RuntimeError{75, "Path/File access error"};

    EXPECT_FALSE(HideFolder(secret, disk, prompter));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Error 70\r\nPermission denied");
    EXPECT_EQ(prompter.shown[1].text, "Error 75\r\nPath/File access error");
}

TEST_F(FolderHiderTest, ShowFailuresAreReportedAndReturnFalse) {
    struct Case {
        const char* name;
        std::map<std::string, FolderAttributes> folders;
        std::optional<RuntimeError> renameFailure;
        std::string expectedText;
    };
    const Case cases[] = {
        {"never hidden",
         {{"C:\\Data\\Secret", FolderAttributes::Cleared}},
         {},
         "Error 76\r\nPath not found"},
        // The rename back is refused for being in use: no special text when revealing.
        {"in use",
         {{"C:\\Data\\SecretHIDDEN123456", FolderAttributes::AllSet}},
         RuntimeError{75, "Path/File access error"},
         "Error 75\r\nPath/File access error"},
        {"listed name taken",
         {{"C:\\Data\\SecretHIDDEN123456", FolderAttributes::AllSet},
          {"C:\\Data\\Secret", FolderAttributes::Cleared}},
         {},
         "Error 58\r\nFile already exists"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        disk = MemoryDisk{};
        disk.folders = c.folders;
        disk.renameFailure = c.renameFailure;
        prompter.shown.clear();
        EXPECT_FALSE(ShowFolder(secret, disk, prompter));
        ExpectOneError(c.expectedText);
        // Never left half shown: a folder still under its hidden name keeps its attributes.
        EXPECT_EQ(disk.folders, c.folders);
    }
}

TEST_F(FolderHiderTest, PathNoWindowsPathCanHoldIsNeverActedOn) {
    struct Case {
        std::string path;
        bool usable;
    };
    const Case cases[] = {
        {"C:\\Data\\Secret", true},
        {"\\\\server\\share\\x", true},
        {"\\\\?\\C:\\long", true},
        {"D:\\Caf\xC3\xA9 \xE2\x82\xAC", true},
        {std::string("C:\\Data\0Secret", 15), false},  // a NUL: the wide path would end there
        {"C:\\a\tb", false},
        {"C:\\a|b", false},
        {"C:\\a?", false},
        {"C:\\a*", false},
        {"C:\\a<b>", false},
        {"C:\\a\"b", false},
        {"C:\\a:b", false},
        {"", false},
        // Relative: each would name a folder under wherever the program was started.
        {"A", false},
        {"Data\\Secret", false},
        {"\\Data\\Secret", false},
        {"Z:A", false},
        {"Z:", false},
        {"\\\\", false},
        {"c:/Data/Secret", true},
        {"\\\\?\\UNC\\server\\share\\x", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUsablePath(c.path), c.usable) << c.path;
        if (c.usable) {
            continue;
        }
        disk = MemoryDisk{};
        disk.folders["C:\\Data"] = FolderAttributes::Cleared;
        disk.folders[c.path] = FolderAttributes::Cleared;
        disk.folders[c.path + "HIDDEN123456"] = FolderAttributes::AllSet;
        const auto before = disk.folders;
        for (const auto operation : {&HideFolder, &ShowFolder}) {
            prompter.shown.clear();
            EXPECT_FALSE(operation(c.path, disk, prompter));
            ExpectOneError("Error 52\r\nBad file name or number");
        }
        EXPECT_EQ(disk.folders, before);
        EXPECT_EQ(disk.renames, 0);
        EXPECT_EQ(LookAtFolder(c.path, disk), FolderPresence{});
    }
}
