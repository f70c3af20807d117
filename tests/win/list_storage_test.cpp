#include "vault/list_storage_win.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/vector_folder_list.h"
#include "tests/win/test_folder.h"
#include "vault/list_file.h"

namespace {

class ListStorageTest : public ::testing::Test {
protected:
    TestFolder folder;
    FolderListStorage storage{folder.Path()};
    SystemCodePage codePage;
    ScriptedPrompter prompter;

    VectorFolderList Load() {
        VectorFolderList list;
        EXPECT_TRUE(LoadList(list, storage, codePage, prompter, "Murkwell Demo").Succeeded());
        return list;
    }
};

std::string Line(std::string_view decoded) {
    return ToggleHighBit(decoded) + "\r\n";
}

}  // namespace

TEST_F(ListStorageTest, AbsentListLoadsEmptyAndTheFirstSaveCreatesBothFiles) {
    VectorFolderList list = Load();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_FALSE(folder.Exists(L"data.dat"));

    list.Append({"C:\\a", "Hidden", false});
    ASSERT_TRUE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(folder.ReadFile(L"data.dat"),
              "\xC3\xBA\xDC\xE1\xFC\xAA\xFC\xC8\xE9\xE4\xE4\xE5\xEE\r\n");
    EXPECT_EQ(folder.ReadFile(L"data.bak"), folder.ReadFile(L"data.dat"));
    EXPECT_FALSE(folder.Exists(L"data.dat.new"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListStorageTest, SaveThenLoadKeepsOrderStatusAndNonAsciiPaths) {
    VectorFolderList list({{"C:\\Zed", "Visible", true},
                           {"C:\\Caf\xC3\xA9 \xC3\x9F", "Hidden", false},
                           {"D:\\b", "odd word", false}});
    ASSERT_TRUE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(folder.ReadFile(L"data.bak"), folder.ReadFile(L"data.dat"));

    const VectorFolderList loaded = Load();
    ASSERT_EQ(loaded.Count(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.At(i).path, list.At(i).path);
        EXPECT_EQ(loaded.At(i).status, list.At(i).status);
        EXPECT_FALSE(loaded.At(i).checked);
    }
}

// A list file with the hidden and system attributes is still the list: read, and saved with
// what was read in it. A folder named like the list file is neither.
TEST_F(ListStorageTest, HiddenListFileIsReadAndSavedWithWhatItHeld) {
    folder.WriteFile(L"data.dat", Line("C:\\kept|*|Hidden"));
    ::SetFileAttributesW(folder.PathOf(L"data.dat").c_str(),
                         FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    VectorFolderList list = Load();
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).path, "C:\\kept");

    list.Append({"C:\\new", "Visible", false});
    EXPECT_TRUE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(folder.ReadFile(L"data.dat"), Line("C:\\kept|*|Hidden") + Line("C:\\new|*|Visible"));

    ::DeleteFileW(folder.PathOf(L"data.dat").c_str());
    ::DeleteFileW(folder.PathOf(L"data.bak").c_str());
    folder.MakeFolder(L"data.dat");
    VectorFolderList none;
    EXPECT_TRUE(LoadList(none, storage, codePage, prompter, "Murkwell").Failed());
    EXPECT_FALSE(SaveList(list, storage, codePage, prompter));
}

TEST_F(ListStorageTest, ListFileHeldByAnotherProgramKeepsItsContent) {
    const std::string previous = Line("C:\\old|*|Hidden");
    folder.WriteFile(L"data.dat", previous);
    // Open without delete sharing, as an editor or a backup tool might.
    UniqueFile holder(::CreateFileW(folder.PathOf(L"data.dat").c_str(), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);

    VectorFolderList list({{"C:\\new", "Visible", false}});
    EXPECT_FALSE(SaveList(list, storage, codePage, prompter));
    holder.Reset();

    EXPECT_EQ(folder.ReadFile(L"data.dat"), previous);
    EXPECT_FALSE(folder.Exists(L"data.dat.new"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, "Error");
    EXPECT_NE(prompter.shown[0].text.find(storage.PathOf("data.dat")), std::string::npos);
}

TEST_F(ListStorageTest, BackupThatCannotBeWrittenIsReportedAfterTheListIsSaved) {
    folder.MakeFolder(L"data.bak");
    VectorFolderList list({{"C:\\new", "Visible", false}});
    EXPECT_TRUE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(folder.ReadFile(L"data.dat"), Line("C:\\new|*|Visible"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("backup copy could not be written"), std::string::npos);
}

TEST_F(ListStorageTest, TemporaryFileThatCannotBeCreatedLeavesTheListAlone) {
    const std::string previous = Line("C:\\old|*|Visible");
    folder.WriteFile(L"data.dat", previous);
    folder.MakeFolder(L"data.dat.new");
    VectorFolderList list({{"C:\\new", "Visible", false}});
    EXPECT_FALSE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(folder.ReadFile(L"data.dat"), previous);
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(ListStorageTest, UnreadableListIsReportedToTheCaller) {
    folder.WriteFile(L"data.dat", Line("C:\\old|*|Visible"));
    UniqueFile holder(::CreateFileW(folder.PathOf(L"data.dat").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    VectorFolderList list;
    const Outcome loaded = LoadList(list, storage, codePage, prompter, "Murkwell Demo");
    ASSERT_TRUE(loaded.Failed());
    EXPECT_EQ(loaded.Error().number, 75);
    EXPECT_FALSE(loaded.Error().description.empty());
}
