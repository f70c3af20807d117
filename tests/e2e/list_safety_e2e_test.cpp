// The list file and the disk after crashes, damage and lost files: the real program, killed and
// restarted, and list files damaged by hand.

#include <gtest/gtest.h>

#include <random>

#include "platform/text_codec.h"
#include "tests/e2e/main_window_fixture.h"

namespace {

std::string Line(std::string_view decoded) {
    return ToggleHighBit(decoded) + "\r\n";
}

class ListSafetyTest : public MainWindowTest {
protected:
    // Closes the program the way the user does and waits for it to end.
    void Close() {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_EQ(program->WaitForExit(), 0);
        window = nullptr;
    }

    // Entries of data.dat whose word the disk contradicts: the listed name alone says
    // "Visible", the hidden name alone says "Hidden".
    int StrandedEntries(const std::vector<StoredEntry>& saved) const {
        int stranded = 0;
        for (const auto& entry : saved) {
            const std::wstring name = Widen(entry.path.substr(entry.path.rfind('\\') + 1));
            const bool listed = scratch.Exists(name);
            const bool hidden = scratch.Exists(name + L"HIDDEN123456");
            if ((entry.status == "Visible" && hidden && !listed) ||
                (entry.status == "Hidden" && listed && !hidden)) {
                ++stranded;
            }
        }
        return stranded;
    }

    // How many folders of the scratch folder carry the hidden name now.
    int HiddenOnDisk() const {
        int count = 0;
        WIN32_FIND_DATAW found{};
        UniqueFind find(::FindFirstFileW(scratch.PathOf(L"*HIDDEN123456").c_str(), &found));
        if (!find) {
            return 0;
        }
        do {
            ++count;
        } while (::FindNextFileW(find.Get(), &found));
        return count;
    }
};

}  // namespace

TEST_F(ListSafetyTest, KilledInTheMiddleOfABatchNoFolderIsStranded) {
    constexpr int kFolders = 1000;
    std::vector<StoredEntry> entries;
    for (int i = 0; i < kFolders; ++i) {
        wchar_t name[16];
        swprintf(name, 16, L"F%04d", i);
        scratch.MakeFolder(name);
        entries.push_back({Scratch(name), "Visible"});
    }
    PrepareList(entries);

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> pause(0, 900);  // a whole batch takes about a second
    int strandedAfterRestart = 0;
    int mixedRounds = 0;
    Start();
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int hiddenBefore = HiddenOnDisk();
        // Each round cuts a batch short: hiding, then showing, from wherever the last one stopped.
        Menu(round % 2 ? IDM_ACTION_ITEM + 1 : IDM_ACTION_ITEM + 4);
        // The moment the first folder changes on disk, the batch is under way.
        ASSERT_TRUE(WaitUntil([&] { return HiddenOnDisk() != hiddenBefore; }, 20000));
        ::Sleep(static_cast<DWORD>(pause(random)));
        program->Kill();
        window = nullptr;

        // After the restart the check against the disk brings every entry in line; the next
        // round goes on in this run.
        Start();
        const bool settled = WaitUntil([&] { return StrandedEntries(SavedList()) == 0; }, 20000);
        const int stranded = StrandedEntries(SavedList());
        strandedAfterRestart += stranded;
        EXPECT_TRUE(settled) << stranded << " entries contradict the disk";
        const auto rows = ReadRows(list);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(kFolders));
        const auto saved = SavedList();
        int hidden = 0;
        for (int i = 0; i < kFolders; ++i) {
            ASSERT_EQ(Narrow(rows[i].status), saved[i].status) << i;
            hidden += saved[i].status == "Hidden";
        }
        if (hidden > 0 && hidden < kFolders) {
            ++mixedRounds;  // a batch was cut short half-way
        }
    }
    Close();
    std::printf("stranded folders after 20 interrupted batches (%d left half done): %d\n",
                mixedRounds, strandedAfterRestart);
    EXPECT_EQ(strandedAfterRestart, 0);
    EXPECT_GE(mixedRounds, 5);
}

TEST_F(ListSafetyTest, DamagedSeparatorSurvivesTwoSavesByteForByte) {
    scratch.MakeFolder(L"Kept");
    SystemCodePage codePage;
    const std::string kept = *codePage.FromUtf8(Scratch(L"Kept"));
    const std::string damaged = Line(kept + "|\xAA|Hidden");  // one bit lost in the separator
    const std::string entry = Line(kept + "|*|Visible");
    const std::string odd = Line("C:\\Odd|*|Hidden|*");  // a status ending in "|*"
    programFolder.WriteFile(L"data.dat", damaged + entry + odd);
    Start();
    ASSERT_EQ(ReadRows(list).size(), 2u);

    SetRowChecked(list, 0, true);
    Click(IDC_CMD_HIDE);
    ASSERT_TRUE(WaitForStatus(L"Made 1 folders Hidden"));
    Click(IDC_CMD_SHOW);
    ASSERT_TRUE(WaitForStatus(L"Made 1 folders Visible"));
    EXPECT_TRUE(NoDialogWithin(Pid(), 300));
    EXPECT_EQ(programFolder.ReadFile(L"data.dat"), damaged + entry + odd);
    EXPECT_EQ(programFolder.ReadFile(L"data.bak"), damaged + entry + odd);
}

TEST_F(ListSafetyTest, LostListFileIsLoadedFromTheBackup) {
    const std::string backup = Line("C:\\Data\\Tax|*|Hidden") + Line("C:\\Data\\Mail|*|Visible");
    programFolder.WriteFile(L"data.bak", backup);
    program = std::make_unique<ProgramRun>(programFolder);
    const SeenBox told = AnswerMessageBox(program->ProcessId(), IDOK, nullptr);
    EXPECT_EQ(told.title, L"Murkwell Demo");
    EXPECT_NE(told.text.find(L"The file is missing."), std::wstring::npos);
    EXPECT_NE(told.text.find(L"backup copy has been loaded instead (2 folders)"),
              std::wstring::npos);
    AttachToWindow();
    EXPECT_EQ(ReadRows(list).size(), 2u);
    EXPECT_EQ(programFolder.ReadFile(L"data.dat"), backup);
}

TEST_F(ListSafetyTest, RepairSurvivesARestart) {
    // A folder on neither name (an unplugged drive): the check leaves its word alone.
    PrepareList({{Scratch(L"Unplugged"), "Hidden"}});
    Start();
    SelectRow(list, 0);
    Menu(IDM_ERROR_ITEM + 0);  // Change to "Visible" status
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list)[0].status == L"Visible"; }));
    Close();

    Start();
    EXPECT_EQ(ReadRows(list)[0].status, L"Visible");
}

TEST_F(ListSafetyTest, StartCorrectsWordsTheDiskContradictsAndRemoveTrustsTheDisk) {
    scratch.MakeFolder(L"RenamedHIDDEN123456");  // hidden by a batch that never saved
    scratch.MakeFolder(L"Later");
    PrepareList({{Scratch(L"Renamed"), "Visible"}, {Scratch(L"Later"), "Visible"}});
    Start();
    ASSERT_TRUE(WaitForStatus(L"Corrected 1 folders to match the disk"));
    EXPECT_EQ(SavedList()[0].status, "Hidden");

    // A folder renamed behind the program's back after the check: Remove looks at the disk.
    ASSERT_TRUE(::MoveFileW(scratch.PathOf(L"Later").c_str(),
                            scratch.PathOf(L"LaterHIDDEN123456").c_str()));
    SetRowChecked(list, 1, true);
    Click(IDC_CMD_DEL);
    EXPECT_EQ(AnswerMessageBox(Pid(), IDOK).title, L"Really Delete?");
    ASSERT_TRUE(WaitForStatus(L"Removed 0 folders. Could not remove Hidden folders"));
    EXPECT_EQ(ReadRows(list).size(), 2u);
    EXPECT_EQ(SavedList().size(), 2u);
}
