// A process killed in the middle of saving must leave a list file that loads as one of the
// lists it saved, never a mixture or a truncated one.

#include <gtest/gtest.h>

#include <random>

#include "platform/text_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/vector_folder_list.h"
#include "tests/win/child_process.h"
#include "tests/win/saver_lists.h"
#include "tests/win/test_folder.h"
#include "vault/list_file.h"
#include "vault/list_storage_win.h"

namespace {

bool SameEntries(const VectorFolderList& loaded, const VectorFolderList& saved) {
    if (loaded.Count() != saved.Count()) {
        return false;
    }
    for (std::size_t i = 0; i < saved.Count(); ++i) {
        if (loaded.At(i).path != saved.At(i).path || loaded.At(i).status != saved.At(i).status) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(InterruptedSave, KillingTheWriterLeavesAWholeList) {
    TestFolder folder;
    FolderListStorage storage(folder.Path());
    SystemCodePage codePage;
    const VectorFolderList lists[] = {SaverList(0), SaverList(1)};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(0, 40);

    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ChildProcess child(L"save-loop", folder.Path());
        ASSERT_TRUE(child.Running());
        // Let it write at least once, then kill it at an arbitrary moment.
        for (int wait = 0; wait < 500 && !folder.Exists(L"data.bak"); ++wait) {
            ::Sleep(10);
        }
        ASSERT_TRUE(folder.Exists(L"data.bak"));
        ::Sleep(static_cast<DWORD>(pause(random)));
        ASSERT_TRUE(child.Running());
        child.Kill();

        for (const wchar_t* name : {L"data.dat", L"data.bak"}) {
            VectorFolderList loaded;
            ASSERT_TRUE(folder.Exists(name));
            std::string bytes = folder.ReadFile(name);
            for (auto& entry : ParseListBytes(bytes).entries) {
                loaded.Append({codePage.ToUtf8(entry.path), codePage.ToUtf8(entry.status), false});
            }
            EXPECT_TRUE(SameEntries(loaded, lists[0]) || SameEntries(loaded, lists[1]))
                << Narrow(name) << " holds " << loaded.Count() << " entries";
        }
    }

    // A leftover temporary file does not stand in the way of the next save.
    ScriptedPrompter prompter;
    EXPECT_TRUE(
        SaveList(VectorFolderList({{"C:\\after", "Visible", false}}), storage, codePage, prompter));
    VectorFolderList loaded;
    ASSERT_TRUE(LoadList(loaded, storage, codePage, prompter, "Murkwell Demo").Succeeded());
    ASSERT_EQ(loaded.Count(), 1u);
    EXPECT_EQ(loaded.At(0).path, "C:\\after");
}
