#include "vault/list_commands.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <map>
#include <set>

#include "tests/support/latin1_code_page.h"
#include "tests/support/memory_storage.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/set_disk.h"
#include "tests/support/vector_folder_rows.h"
#include "vault/list_file.h"

namespace {

class RecordingStatus final : public StatusLine {
public:
    std::string text = "(previous)";
    void SetText(const std::string& newText) override { text = newText; }
};

class ScriptedPicker final : public FolderPicker {
public:
    std::deque<std::string> choices;
    std::string PickFolder() override {
        std::string choice = choices.empty() ? std::string() : choices.front();
        if (!choices.empty()) {
            choices.pop_front();
        }
        return choice;
    }
};

// A clock that moves on by `step` each time it is read.
std::chrono::steady_clock::duration gClockStep{};
std::chrono::steady_clock::time_point gClockNow{};
std::chrono::steady_clock::time_point SteppingClock() {
    gClockNow += gClockStep;
    return gClockNow;
}

FolderEntry Entry(std::string path, std::string status, bool checked = false) {
    return {std::move(path), std::move(status), checked};
}

class ListCommandsTest : public ::testing::Test {
protected:
    VectorFolderRows rows;
    SetDisk disk;
    ScriptedPrompter prompter;
    MemoryStorage storage;
    Latin1CodePage codePage;
    RecordingStatus status;
    ScriptedPicker picker;
    std::string programFolder = "C:\\Tools\\App";
    std::string appTitle = "Murkwell Demo";
    FolderCommands commands{CommandEnvironment{rows, disk, prompter, storage, codePage, status,
                                               picker, programFolder, appTitle, &SteppingClock}};

    void SetUp() override { gClockStep = {}; }

    // What data.dat holds now, read back.
    std::vector<StoredEntry> Saved() const {
        const auto found = storage.files.find("data.dat");
        return found == storage.files.end() ? std::vector<StoredEntry>{}
                                            : ParseListBytes(found->second).entries;
    }
    bool SavedAtAll() const { return storage.files.contains("data.dat"); }
};

}  // namespace

TEST(AddRules, FirstApplyingTestDecides) {
    Latin1CodePage codePage;
    const std::string program = "C:\\Tools\\App";
    struct Case {
        std::string picked;
        AddVerdict verdict;
    };
    const Case cases[] = {
        {"", AddVerdict::Cancelled},
        {"C:\\Tools", AddVerdict::ContainsProgram},
        {"C:\\Tools\\Ap", AddVerdict::ContainsProgram},  // a substring test on the text
        {"c:\\tools\\app", AddVerdict::ContainsProgram},
        {"C:\\Tools\\App", AddVerdict::ContainsProgram},
        {"C:\\", AddVerdict::ContainsProgram},  // also a drive, but the first test decides
        {"D:\\", AddVerdict::Drive},
        {"C:\\Tools\\Apps", AddVerdict::Allowed},
        {"C:\\Program Files\\Foo", AddVerdict::NeedsSystemWarning},
        {"D:\\Backup\\WINDOWS stuff", AddVerdict::NeedsSystemWarning},
        {"C:\\windows2", AddVerdict::NeedsSystemWarning},
        {"C:\\MyWindows", AddVerdict::Allowed},
        {"D:\\Data\\Caf\xC3\xA9", AddVerdict::Allowed},
        {"D:\\Data\\\xE2\x82\xAC uros", AddVerdict::Unstorable},  // not in the code page
        {"D:\\" + std::string(243, 'x'), AddVerdict::Allowed},    // 246 + 12 = 258
        {"D:\\" + std::string(244, 'x'), AddVerdict::Allowed},    // 259: the longest
        {"D:\\" + std::string(245, 'x'), AddVerdict::TooLong},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JudgeFolderToAdd(c.picked, program, codePage), c.verdict) << c.picked;
    }
}

namespace {

// Two spellings of one folder and a letter beyond ASCII, as the system would resolve them.
class StandInPathRules final : public PathRules {
public:
    std::string CanonicalPath(std::string_view path) const override {
        std::string text(path);
        if (text.rfind("C:\\ARGER~1", 0) == 0) {
            text.replace(0, 10, "C:\\\xC3\x84rger");
        }
        return text;
    }
    std::string FoldCase(std::string_view text) const override {
        std::string folded;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.substr(i, 2) == "\xC3\xA4") {  // a-umlaut
                folded += "\xC3\x84";
                ++i;
            } else {
                folded += static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
            }
        }
        return folded;
    }
};

}  // namespace

TEST(AddRules, ProgramFolderIsRecognisedInAnyCaseAndSpelling) {
    Latin1CodePage codePage;
    StandInPathRules rules;
    const std::string program = "C:\\\xC3\x84rger\\App";
    struct Case {
        std::string picked;
        AddVerdict withRules;
        AddVerdict textOnly;
    };
    const Case cases[] = {
        {"c:\\\xC3\xA4rger", AddVerdict::ContainsProgram, AddVerdict::Allowed},
        {"C:\\ARGER~1", AddVerdict::ContainsProgram, AddVerdict::Allowed},
        {"C:\\ARGER~1\\APP", AddVerdict::ContainsProgram, AddVerdict::Allowed},
        {"C:\\\xC3\x84rger\\Ap", AddVerdict::ContainsProgram, AddVerdict::ContainsProgram},
        {"C:\\\xC3\xA4rgerlich", AddVerdict::Allowed, AddVerdict::Allowed},
        {"D:\\\xC3\xA4rger", AddVerdict::Allowed, AddVerdict::Allowed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JudgeFolderToAdd(c.picked, program, codePage, &rules), c.withRules) << c.picked;
        EXPECT_EQ(JudgeFolderToAdd(c.picked, program, codePage), c.textOnly) << c.picked;
    }
}

TEST_F(ListCommandsTest, AddAppendsAVisibleEntryAndSaves) {
    picker.choices = {"D:\\Private", "D:\\Private"};
    commands.Add();
    commands.Add();  // the same folder twice is allowed

    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{Entry("D:\\Private", "Visible"),
                                                      Entry("D:\\Private", "Visible")}));
    EXPECT_EQ(status.text, "Added: D:\\Private");
    EXPECT_EQ(Saved(),
              (std::vector<StoredEntry>{{"D:\\Private", "Visible"}, {"D:\\Private", "Visible"}}));
    EXPECT_EQ(storage.files.at("data.bak"), storage.files.at("data.dat"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListCommandsTest, RefusedOrCancelledAddChangesNothing) {
    struct Case {
        std::string picked;
        std::string message;  // empty: no message at all
    };
    const Case cases[] = {
        {"", ""},
        {"C:\\Tools", "You cannot hide a folder that contains this program."},
        {"E:\\", "You cannot hide drives."},
        {"E:\\\xE2\x82\xAC",
         "You cannot hide a folder whose name has characters that the folder list cannot store."},
        {"E:\\" + std::string(300, 'y'), "You cannot hide a folder whose path is too long."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picked);
        prompter.shown.clear();
        picker.choices = {c.picked};
        commands.Add();
        EXPECT_TRUE(rows.entries.empty());
        EXPECT_FALSE(SavedAtAll());
        EXPECT_EQ(status.text, "(previous)");
        if (c.message.empty()) {
            EXPECT_TRUE(prompter.shown.empty());
        } else {
            ASSERT_EQ(prompter.shown.size(), 1u);
            EXPECT_EQ(prompter.shown[0].text, c.message);
            EXPECT_EQ(prompter.shown[0].title, "Murkwell Demo");
            EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::Ok);
        }
    }
}

TEST_F(ListCommandsTest, DroppedFoldersGoThroughAddsTestsInOrder) {
    prompter.answers = {PromptAnswer::Ok};  // the system warning for the third
    commands.AddDropped({"D:\\Private", "E:\\", "C:\\Windows\\Temp", "", "D:\\Tax"});

    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{Entry("D:\\Private", "Visible"),
                                                      Entry("C:\\Windows\\Temp", "Visible"),
                                                      Entry("D:\\Tax", "Visible")}));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "You cannot hide drives.");
    EXPECT_EQ(prompter.shown[1].title, "Critial Warning");
    EXPECT_EQ(status.text, "Added: D:\\Tax");
    EXPECT_EQ(Saved().size(), 3u);
}

TEST_F(ListCommandsTest, SystemFolderWarningLetsTheUserChoose) {
    const std::string expected =
        "Hiding System or Program Files is not recommended and could cause problems with certain "
        "programs or make your computer inoperable.\r\n\r\nAre you sure you want to add "
        "\"C:\\Program Files\\Foo\" to your folder list?";
    picker.choices = {"C:\\Program Files\\Foo", "C:\\Program Files\\Foo"};
    prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};

    commands.Add();
    EXPECT_TRUE(rows.entries.empty());
    EXPECT_FALSE(SavedAtAll());

    commands.Add();
    ASSERT_EQ(prompter.shown.size(), 2u);
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.text, expected);
        EXPECT_EQ(shown.title, "Critial Warning");
        EXPECT_EQ(shown.buttons, PromptButtons::OkCancel);
    }
    EXPECT_EQ(rows.entries, std::vector<FolderEntry>{Entry("C:\\Program Files\\Foo", "Visible")});
    EXPECT_EQ(status.text, "Added: C:\\Program Files\\Foo");
    EXPECT_TRUE(SavedAtAll());
}

TEST_F(ListCommandsTest, RemoveWalkKeepsTickedEntriesThatAreNotVisible) {
    rows.entries = {Entry("a", "Visible", true), Entry("b", "Hidden", true),
                    Entry("c", "Visible", false), Entry("d", "Visible", true),
                    Entry("e", "visible", true)};
    commands.RemoveTicked();

    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "Are you sure you want to remove all selected folders from the list?");
    EXPECT_EQ(prompter.shown[0].title, "Really Delete?");
    EXPECT_EQ(rows.entries,
              (std::vector<FolderEntry>{Entry("b", "Hidden", true), Entry("c", "Visible", false),
                                        Entry("e", "visible", true)}));
    EXPECT_EQ(status.text, "Removed 2 folders. Could not remove Hidden folders");
    EXPECT_EQ(Saved(),
              (std::vector<StoredEntry>{{"b", "Hidden"}, {"c", "Visible"}, {"e", "visible"}}));
    EXPECT_EQ(disk.calls, 0);  // removing never touches the disk
}

TEST_F(ListCommandsTest, RemoveOutcomes) {
    struct Case {
        const char* name;
        std::vector<FolderEntry> before;
        PromptAnswer answer;
        std::size_t countAfter;
        std::string statusAfter;
        bool saved;
    };
    const Case cases[] = {
        {"cancelled", {Entry("a", "Visible", true)}, PromptAnswer::Cancel, 1, "(previous)", false},
        {"empty list", {}, PromptAnswer::Ok, 0, "Removed 0 folders", true},
        {"nothing ticked", {Entry("a", "Visible")}, PromptAnswer::Ok, 1, "Removed 0 folders", true},
        // Emptied by the walk: saved, and the previous status text stays.
        {"all removed",
         {Entry("a", "Visible", true), Entry("b", "Visible", true)},
         PromptAnswer::Ok,
         0,
         "(previous)",
         true},
        {"one of one", {Entry("a", "Visible", true)}, PromptAnswer::Ok, 0, "(previous)", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rows.entries = c.before;
        status.text = "(previous)";
        storage.files.clear();
        prompter.answers = {c.answer};
        commands.RemoveTicked();
        EXPECT_EQ(rows.entries.size(), c.countAfter);
        EXPECT_EQ(status.text, c.statusAfter);
        EXPECT_EQ(SavedAtAll(), c.saved);
        if (c.saved) {
            EXPECT_EQ(Saved().size(), c.countAfter);
        }
    }
}

TEST_F(ListCommandsTest, RemoveAllAsksTwice) {
    rows.entries = {Entry("a", "Visible"), Entry("b", "Hidden")};

    prompter.answers = {PromptAnswer::Cancel};
    commands.RemoveAll();
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_FALSE(rows.entries[0].checked);

    prompter.shown.clear();
    prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    commands.RemoveAll();
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Really remove all folders?");
    EXPECT_EQ(prompter.shown[0].title, "Confirm Delete");
    EXPECT_EQ(prompter.shown[1].title, "Really Delete?");
    EXPECT_EQ(rows.entries,
              (std::vector<FolderEntry>{Entry("a", "Visible", true), Entry("b", "Hidden", true)}));
    EXPECT_FALSE(SavedAtAll());

    prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    commands.RemoveAll();
    EXPECT_EQ(rows.entries, std::vector<FolderEntry>{Entry("b", "Hidden", true)});
    EXPECT_EQ(status.text, "Removed 1 folders. Could not remove Hidden folders");
}

TEST_F(ListCommandsTest, HideCountsOnlyFoldersReallyHidden) {
    disk.folders = {"C:\\one", "C:\\busy", "C:\\three", "C:\\unticked"};
    disk.busy = {"C:\\busy"};
    rows.entries = {Entry("C:\\one", "Visible", true),   Entry("C:\\busy", "Visible", true),
                    Entry("C:\\three", "Visible", true), Entry("C:\\unticked", "Visible", false),
                    Entry("C:\\gone", "Hidden", true),   Entry("C:\\odd", "VISIBLE", true)};
    commands.HideTicked();

    EXPECT_EQ(status.text, "Made 2 folders Hidden");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("currently in use:\r\n\r\nC:\\busy\r\n"),
              std::string::npos);
    std::vector<std::string> statuses;
    for (const auto& entry : rows.entries) {
        statuses.push_back(entry.status);
    }
    EXPECT_EQ(statuses, (std::vector<std::string>{"Hidden", "Visible", "Hidden", "Visible",
                                                  "Hidden", "VISIBLE"}));
    EXPECT_EQ(disk.folders, (std::set<std::string>{"C:\\oneHIDDEN123456", "C:\\busy",
                                                   "C:\\threeHIDDEN123456", "C:\\unticked"}));
    EXPECT_EQ(Saved()[0].status, "Hidden");
}

TEST_F(ListCommandsTest, HideWithNothingTickedStillSaves) {
    rows.entries = {Entry("C:\\one", "Visible")};
    commands.HideTicked();
    EXPECT_EQ(status.text, "Made 0 folders Hidden");
    EXPECT_TRUE(SavedAtAll());
}

TEST_F(ListCommandsTest, FailedRevealStaysHiddenAndIsNotCounted) {
    disk.folders = {"C:\\oneHIDDEN123456", "C:\\threeHIDDEN123456"};
    rows.entries = {Entry("C:\\one", "Hidden", true), Entry("C:\\two", "Hidden", true),
                    Entry("C:\\three", "Hidden", true)};
    commands.ShowTicked();

    EXPECT_EQ(status.text, "Made 2 folders Visible");
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(rows.entries[0].status, "Visible");
    EXPECT_EQ(rows.entries[1].status, "Hidden");  // its folder is still hidden somewhere
    EXPECT_EQ(rows.entries[2].status, "Visible");
    EXPECT_EQ(Saved()[1].status, "Hidden");

    // So it can't be removed from the list while its folder is hidden.
    commands.CheckAll();
    commands.RemoveTicked();
    EXPECT_EQ(rows.entries, std::vector<FolderEntry>{Entry("C:\\two", "Hidden", true)});
}

TEST_F(ListCommandsTest, HideAllAndShowAllTickEverythingAndLeaveItTicked) {
    disk.folders = {"C:\\a", "C:\\b"};
    rows.entries = {Entry("C:\\a", "Visible"), Entry("C:\\b", "Visible")};
    commands.HideAll();
    EXPECT_EQ(status.text, "Made 2 folders Hidden");
    EXPECT_TRUE(rows.entries[0].checked && rows.entries[1].checked);

    commands.UncheckAll();
    EXPECT_FALSE(rows.entries[0].checked || rows.entries[1].checked);

    commands.ShowAll();
    EXPECT_EQ(status.text, "Made 2 folders Visible");
    EXPECT_EQ(disk.folders, (std::set<std::string>{"C:\\a", "C:\\b"}));
    EXPECT_TRUE(rows.entries[0].checked && rows.entries[1].checked);
}

TEST_F(ListCommandsTest, RepairsChangeTheSelectedStatusWordAndAreSaved) {
    rows.entries = {Entry("C:\\a", "Hidden"), Entry("C:\\b", "Visible")};
    commands.MarkSelectedVisible();  // nothing selected: nothing happens
    EXPECT_EQ(rows.entries[0].status, "Hidden");
    EXPECT_FALSE(SavedAtAll());

    rows.selected = 0;
    commands.MarkSelectedVisible();
    rows.selected = 1;
    commands.MarkSelectedHidden();
    EXPECT_EQ(rows.entries,
              (std::vector<FolderEntry>{Entry("C:\\a", "Visible"), Entry("C:\\b", "Hidden")}));
    // Saved at once: a repair kept only in the window would be gone at the next start.
    EXPECT_EQ(Saved(), (std::vector<StoredEntry>{{"C:\\a", "Visible"}, {"C:\\b", "Hidden"}}));
    EXPECT_EQ(status.text, "(previous)");
    EXPECT_EQ(disk.calls, 0);
}

TEST_F(ListCommandsTest, RemoveKeepsAnEntryWhoseFolderIsHiddenWhateverItsWord) {
    // After a crash mid-batch the word can say "Visible" of a folder already renamed.
    rows.entries = {Entry("C:\\a", "Visible", true), Entry("C:\\b", "Visible", true),
                    Entry("C:\\c", "Visible", true)};
    disk.folders = {"C:\\aHIDDEN123456", "C:\\b"};  // C:\c is on neither name: removable
    commands.RemoveTicked();
    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{Entry("C:\\a", "Visible", true)}));
    EXPECT_EQ(status.text, "Removed 2 folders. Could not remove Hidden folders");
    EXPECT_EQ(Saved(), (std::vector<StoredEntry>{{"C:\\a", "Visible"}}));
}

TEST_F(ListCommandsTest, BatchSavesAsItGoes) {
    struct Case {
        const char* name;
        std::chrono::milliseconds step;  // how far the clock moves between two readings
        int expectedSaves;
    };
    const Case cases[] = {
        {"quick: one save at the end", std::chrono::milliseconds(0), 1},
        {"slow: a save after each folder", std::chrono::milliseconds(300), 6 + 1},
        {"half: every other folder", std::chrono::milliseconds(130), 3 + 1},
    };
    for (const auto& c : cases) {
        gClockStep = c.step;
        rows.entries.clear();
        disk.folders.clear();
        for (int i = 0; i < 6; ++i) {
            const std::string path = "C:\\f" + std::to_string(i);
            rows.entries.push_back(Entry(path, "Visible"));
            disk.folders.insert(path);
        }
        storage = MemoryStorage{};
        commands.HideAll();
        EXPECT_EQ(storage.writes, 2 * c.expectedSaves) << c.name;  // data.dat and data.bak
        EXPECT_EQ(status.text, "Made 6 folders Hidden") << c.name;
        EXPECT_EQ(Saved().size(), 6u) << c.name;
        EXPECT_EQ(Saved()[5].status, "Hidden") << c.name;
    }
}

TEST_F(ListCommandsTest, ManyFailuresShowThreeBoxesThenOneList) {
    for (int i = 0; i < 30; ++i) {
        rows.entries.push_back(Entry("C:\\gone" + std::to_string(i), "Visible"));
    }
    rows.entries.push_back(Entry("C:\\here", "Visible"));
    disk.folders = {"C:\\here"};
    commands.HideAll();
    ASSERT_EQ(prompter.shown.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(prompter.shown[i].text.rfind("Error 53", 0), 0u);
    }
    const std::string& last = prompter.shown[3].text;
    EXPECT_EQ(prompter.shown[3].title, "Error");
    EXPECT_EQ(last.rfind("30 folders could not be made Hidden:\r\n\r\nC:\\gone0\r\n", 0), 0u);
    EXPECT_NE(last.find("C:\\gone24\r\n... and 5 more"), std::string::npos);
    EXPECT_EQ(status.text, "Made 1 folders Hidden");

    // Three failures or fewer: their boxes, and no list.
    prompter.shown.clear();
    rows.entries.resize(2);
    commands.HideAll();
    EXPECT_EQ(prompter.shown.size(), 2u);
}

TEST_F(ListCommandsTest, DiskCheckCorrectsWordsTheDiskContradicts) {
    rows.entries = {Entry("C:\\renamed", "Visible"),   // hidden by a batch cut short
                    Entry("C:\\back", "Hidden"),       // shown by a batch cut short
                    Entry("C:\\fine", "Hidden"),       //
                    Entry("E:\\unplugged", "Hidden"),  // on neither name: kept, missing
                    Entry("C:\\stale", "Visible")};    // seen hidden, but shown since
    disk.folders = {"C:\\renamedHIDDEN123456", "C:\\back", "C:\\fineHIDDEN123456", "C:\\stale"};
    const std::map<std::string, FolderPresence> seen = {
        {"C:\\renamed", {false, true}}, {"C:\\back", {true, false}},
        {"C:\\fine", {false, true}},    {"E:\\unplugged", {false, false}},
        {"C:\\stale", {false, true}},
    };
    const auto corrected = commands.ApplyDiskCheck([&](const std::string& path) {
        const auto found = seen.find(path);
        return found == seen.end() ? std::nullopt : std::optional(found->second);
    });
    EXPECT_EQ(corrected, 2u);
    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{
                                Entry("C:\\renamed", "Hidden"), Entry("C:\\back", "Visible"),
                                Entry("C:\\fine", "Hidden"), Entry("E:\\unplugged", "Hidden"),
                                Entry("C:\\stale", "Visible")}));
    const std::vector<bool> missing = {false, false, false, true, false};
    for (std::size_t i = 0; i < missing.size(); ++i) {
        EXPECT_EQ(rows.entries[i].missing, missing[i]) << i;
    }
    EXPECT_EQ(status.text, "Corrected 2 folders to match the disk");
    EXPECT_EQ(Saved()[0].status, "Hidden");
    EXPECT_EQ(Saved()[1].status, "Visible");

    // Nothing to correct: no text, no save.
    storage = MemoryStorage{};
    status.text = "(previous)";
    EXPECT_EQ(commands.ApplyDiskCheck([](const std::string&) { return std::nullopt; }), 0u);
    EXPECT_FALSE(SavedAtAll());
    EXPECT_EQ(status.text, "(previous)");
}

TEST_F(ListCommandsTest, FoundFoldersJoinTheListAsHiddenOnceEach) {
    rows.entries = {Entry("C:\\Listed", "Visible")};
    const std::vector<std::string> found = {"C:\\Diary", "c:\\listed", "C:\\Diary",
                                            "C:\\Outer\\Inner"};
    EXPECT_EQ(commands.AddFoundHidden(found),
              (std::vector<std::string>{"C:\\Diary", "C:\\Outer\\Inner"}));
    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{Entry("C:\\Listed", "Visible"),
                                                      Entry("C:\\Diary", "Hidden"),
                                                      Entry("C:\\Outer\\Inner", "Hidden")}));
    EXPECT_EQ(status.text, "Added 2 hidden folders to the list");
    ASSERT_EQ(Saved().size(), 3u);
    EXPECT_EQ(Saved()[2].status, "Hidden");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(disk.calls, 0);  // nothing on disk changes

    // Only folders the list holds already: nothing added, nothing said, nothing saved.
    storage = MemoryStorage{};
    status.text = "(previous)";
    EXPECT_TRUE(commands.AddFoundHidden({"C:\\DIARY"}).empty());
    EXPECT_FALSE(SavedAtAll());
    EXPECT_EQ(status.text, "(previous)");
}

TEST_F(ListCommandsTest, FoundFolderTheListCannotStoreIsNamedNotAdded) {
    const std::string cyrillic = "C:\\\xD0\x96urnal";  // not in the Latin-1 test code page
    EXPECT_EQ(commands.AddFoundHidden({cyrillic, "C:\\Diary"}),
              (std::vector<std::string>{"C:\\Diary"}));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, appTitle);
    EXPECT_EQ(prompter.shown[0].text,
              "1 folders could not be added: the folder list cannot store the characters in "
              "their names. Reveal them instead.\r\n\r\n" +
                  cyrillic);
    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{Entry("C:\\Diary", "Hidden")}));
}

TEST_F(ListCommandsTest, RevealFoundShowsOuterFoldersFirstAndLeavesTheListAlone) {
    // Hidden inside a hidden folder: it can be renamed back only once its parent is.
    disk.folders = {"C:\\OuterHIDDEN123456", "C:\\Outer\\InnerHIDDEN123456"};
    class NestedDisk final : public FolderDisk {
    public:
        explicit NestedDisk(SetDisk& inner) : m_inner(inner) {}
        Outcome RenameFolder(const std::string& from, const std::string& to) override {
            if (from.starts_with("C:\\Outer\\") &&
                m_inner.folders.contains("C:\\OuterHIDDEN123456")) {
                return Outcome::Failure({76, "Path not found"});
            }
            return m_inner.RenameFolder(from, to);
        }
        Outcome SetFolderAttributes(const std::string& path, FolderAttributes a) override {
            return m_inner.SetFolderAttributes(path, a);
        }
        bool FolderExists(const std::string& path) override { return m_inner.FolderExists(path); }

    private:
        SetDisk& m_inner;
    } nested(disk);
    FolderCommands onNested{CommandEnvironment{rows, nested, prompter, storage, codePage, status,
                                               picker, programFolder, appTitle, &SteppingClock}};
    rows.entries = {Entry("C:\\Listed", "Visible")};
    InlineBatchRunner runner(prompter, nullptr);
    std::vector<std::string> revealed;
    onNested.RevealFound({"C:\\Outer\\Inner", "C:\\Outer", "C:\\Gone"}, runner,
                         [&](std::vector<std::string> paths) { revealed = std::move(paths); });
    EXPECT_EQ(revealed, (std::vector<std::string>{"C:\\Outer", "C:\\Outer\\Inner"}));
    EXPECT_TRUE(disk.folders.contains("C:\\Outer"));
    EXPECT_TRUE(disk.folders.contains("C:\\Outer\\Inner"));
    ASSERT_EQ(prompter.shown.size(), 1u);  // the one that was not there
    EXPECT_EQ(prompter.shown[0].text.rfind("Error", 0), 0u);
    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{Entry("C:\\Listed", "Visible")}));
    EXPECT_FALSE(SavedAtAll());
    EXPECT_EQ(status.text, "(previous)");
}

namespace {

// Hears each step of a long command, and asks it to stop after the `last`th.
class StopAfter final : public BatchProgress {
public:
    explicit StopAfter(std::size_t last) : m_last(last) {}
    std::vector<std::pair<std::size_t, std::size_t>> heard;
    bool Advance(std::size_t done, std::size_t total) override {
        heard.emplace_back(done, total);
        return done < m_last;
    }

private:
    std::size_t m_last;
};

}  // namespace

TEST_F(ListCommandsTest, BatchReportsItsProgressAndStopsWhenAsked) {
    for (int i = 0; i < 5; ++i) {
        const std::string path = "C:\\f" + std::to_string(i);
        rows.entries.push_back(Entry(path, i == 1 ? "Hidden" : "Visible"));
        disk.folders.insert(path);
    }
    StopAfter stop(2);
    FolderCommands stoppable{CommandEnvironment{rows, disk, prompter, storage, codePage, status,
                                                picker, programFolder, appTitle, &SteppingClock,
                                                nullptr, &stop}};
    stoppable.HideAll();
    // Four folders to hide (one already is); stopped after the second.
    EXPECT_EQ(stop.heard, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 4}, {2, 4}}));
    EXPECT_EQ(status.text, "Made 2 folders Hidden");
    const std::vector<std::string> words = {"Hidden", "Hidden", "Hidden", "Visible", "Visible"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(rows.entries[i].status, words[i]) << i;
        EXPECT_EQ(Saved()[i].status, words[i]) << i;  // what was done is saved
    }
    EXPECT_TRUE(disk.folders.contains("C:\\f2HIDDEN123456"));
    EXPECT_TRUE(disk.folders.contains("C:\\f3"));
}

TEST_F(ListCommandsTest, RemoveReportsItsProgressAndStopsWhenAsked) {
    for (int i = 0; i < 5; ++i) {
        rows.entries.push_back(Entry("C:\\f" + std::to_string(i), "Visible"));
        rows.entries.back().checked = i != 2;
    }
    prompter.answers = {PromptAnswer::Ok};
    StopAfter stop(3);
    FolderCommands stoppable{CommandEnvironment{rows, disk, prompter, storage, codePage, status,
                                                picker, programFolder, appTitle, &SteppingClock,
                                                nullptr, &stop}};
    stoppable.RemoveTicked();
    // Four ticked; stopped after the third: the fourth stays listed, ticked, and is saved.
    EXPECT_EQ(stop.heard,
              (std::vector<std::pair<std::size_t, std::size_t>>{{1, 4}, {2, 4}, {3, 4}}));
    EXPECT_EQ(status.text, "Removed 3 folders");
    ASSERT_EQ(rows.entries.size(), 2u);
    EXPECT_EQ(rows.entries[0].path, "C:\\f2");
    EXPECT_EQ(rows.entries[1].path, "C:\\f4");
    EXPECT_TRUE(rows.entries[1].checked);
    EXPECT_EQ(Saved().size(), 2u);
}

namespace {

// Keeps a command's folder work to take it a step at a time, as a worker would, with a
// prompter of its own for the steps' questions: what the list sees meanwhile is checked.
class SteppedRunner final : public BatchRunner {
public:
    ScriptedPrompter stepPrompter;
    std::size_t count = 0;

    void Run(std::size_t steps, Step step, Applied applied, Finished finished) override {
        count = steps;
        m_step = std::move(step);
        m_applied = std::move(applied);
        m_finished = std::move(finished);
        m_taken.clear();
    }
    // Takes the next step on the "worker"; its outcome is held until Deliver.
    void Take() { m_taken.push_back(m_step(m_taken.size(), stepPrompter)); }
    void Deliver() {
        for (; m_delivered < m_taken.size(); ++m_delivered) {
            m_applied(m_delivered, m_taken[m_delivered]);
        }
    }
    void Finish() {
        Deliver();
        m_delivered = 0;
        m_finished();
    }

private:
    Step m_step;
    Applied m_applied;
    Finished m_finished;
    std::vector<bool> m_taken;
    std::size_t m_delivered = 0;
};

}  // namespace

TEST_F(ListCommandsTest, HandedOffWorkChangesTheListOnlyAsItsOutcomesArrive) {
    for (int i = 0; i < 4; ++i) {
        const std::string path = "C:\\f" + std::to_string(i);
        rows.entries.push_back(Entry(path, "Visible", true));
        if (i != 2) {
            disk.folders.insert(path);  // f2 is not there: its step fails
        }
    }
    gClockStep = std::chrono::milliseconds(300);  // each outcome applied is worth a save
    SteppedRunner runner;
    FolderCommands handedOff{CommandEnvironment{rows, disk, prompter, storage, codePage, status,
                                                picker, programFolder, appTitle, &SteppingClock,
                                                nullptr, nullptr, &runner}};
    handedOff.HideTicked();
    EXPECT_EQ(runner.count, 4u);
    EXPECT_FALSE(SavedAtAll());

    // Two steps taken: the disk has changed, the list has not, until they are delivered.
    runner.Take();
    runner.Take();
    EXPECT_TRUE(disk.folders.contains("C:\\f1HIDDEN123456"));
    EXPECT_EQ(rows.entries[0].status, "Visible");
    runner.Deliver();
    EXPECT_EQ(rows.entries[1].status, "Hidden");
    EXPECT_EQ(Saved()[1].status, "Hidden");  // saved on the list's side as it goes

    // A step's question goes to the steps' prompter, not to the window's.
    runner.Take();
    EXPECT_EQ(runner.stepPrompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown.empty());

    // Stopped here: the last outcome is applied, and the end is told and saved.
    runner.Finish();
    EXPECT_EQ(status.text, "Made 2 folders Hidden");
    const std::vector<std::string> words = {"Hidden", "Hidden", "Visible", "Visible"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(rows.entries[i].status, words[i]) << i;
        EXPECT_EQ(Saved()[i].status, words[i]) << i;
    }
    EXPECT_TRUE(disk.folders.contains("C:\\f3"));
}

TEST_F(ListCommandsTest, HandedOffRemoveTakesTheRowsOutTogetherAtTheEnd) {
    rows.entries = {Entry("C:\\a", "Visible", true), Entry("C:\\b", "Hidden", true),
                    Entry("C:\\c", "Visible", false), Entry("C:\\d", "Visible", true)};
    prompter.answers = {PromptAnswer::Ok};
    SteppedRunner runner;
    FolderCommands handedOff{CommandEnvironment{rows, disk, prompter, storage, codePage, status,
                                                picker, programFolder, appTitle, &SteppingClock,
                                                nullptr, nullptr, &runner}};
    handedOff.RemoveTicked();
    EXPECT_EQ(runner.count, 3u);
    for (int i = 0; i < 3; ++i) {
        runner.Take();
    }
    runner.Deliver();
    EXPECT_EQ(rows.entries.size(), 4u);  // positions stay put while outcomes come in
    runner.Finish();
    EXPECT_EQ(rows.entries, (std::vector<FolderEntry>{Entry("C:\\b", "Hidden", true),
                                                      Entry("C:\\c", "Visible", false)}));
    EXPECT_EQ(status.text, "Removed 2 folders. Could not remove Hidden folders");
    EXPECT_EQ(Saved().size(), 2u);
}

TEST(RemoveRowsKeepingLines, PassesKeptLinesOnAsOneByOneRemovalsDo) {
    const auto withKept = [](std::string path, std::string kept) {
        FolderEntry entry{std::move(path), "Visible"};
        auto origin = std::make_shared<EntryOrigin>();
        origin->keptBefore = std::move(kept);
        entry.origin = std::move(origin);
        return entry;
    };
    const std::vector<FolderEntry> rows = {withKept("a", "1\r\n"), withKept("b", ""),
                                           withKept("c", "3\r\n"), withKept("d", "4\r\n"),
                                           withKept("e", "5\r\n")};
    const std::vector<std::vector<std::size_t>> removals = {
        {}, {0}, {4}, {2, 3}, {0, 1, 2, 3, 4}, {1, 3}, {3, 4}, {0, 2, 4}};
    for (const auto& removal : removals) {
        std::vector<FolderEntry> oneByOne = rows;
        std::string oneByOneTail = "tail\r\n";
        for (auto row = removal.rbegin(); row != removal.rend(); ++row) {
            RemoveKeepingLines(oneByOne, oneByOneTail, *row);
        }
        std::vector<FolderEntry> together = rows;
        std::string togetherTail = "tail\r\n";
        RemoveRowsKeepingLines(together, togetherTail, removal);
        ASSERT_EQ(together, oneByOne) << removal.size();
        EXPECT_EQ(togetherTail, oneByOneTail) << removal.size();
        for (std::size_t i = 0; i < together.size(); ++i) {
            const std::string kept = together[i].origin ? together[i].origin->keptBefore : "";
            const std::string expected = oneByOne[i].origin ? oneByOne[i].origin->keptBefore : "";
            EXPECT_EQ(kept, expected) << together[i].path;
        }
    }
}

TEST_F(ListCommandsTest, ARemoveCanBePutBackUntilTheListChanges) {
    struct Case {
        const char* name;
        std::function<void(VectorFolderRows&)> between;  // what happens after the Remove
        bool putBack;
    };
    const Case cases[] = {
        {"nothing else", [](VectorFolderRows&) {}, true},
        {"a tick changed", [](VectorFolderRows& r) { r.entries[0].checked = false; }, true},
        {"a status changed", [](VectorFolderRows& r) { r.entries[0].status = "Visible"; }, false},
        {"a folder added", [](VectorFolderRows& r) { r.entries.push_back(Entry("z", "Visible")); },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rows.entries = {Entry("a", "Visible", true), Entry("b", "Hidden", true),
                        Entry("c", "Visible", false), Entry("d", "Visible", true)};
        rows.SetKeptTail("\r\n");
        const auto before = rows.entries;
        prompter.answers = {PromptAnswer::Ok};
        RemoveUndo undo;
        undo.Before(rows);
        commands.RemoveTicked();
        undo.After(rows);
        ASSERT_EQ(rows.entries.size(), 2u);
        ASSERT_TRUE(undo.CanUndo(rows));
        c.between(rows);
        status.text = "(previous)";
        commands.PutBackRemoved(undo);
        if (c.putBack) {
            EXPECT_EQ(rows.entries, before);
            EXPECT_EQ(rows.KeptTail(), "\r\n");
            EXPECT_EQ(status.text, "Put back 2 folders");
            EXPECT_EQ(Saved(),
                      (std::vector<StoredEntry>{
                          {"a", "Visible"}, {"b", "Hidden"}, {"c", "Visible"}, {"d", "Visible"}}));
            EXPECT_FALSE(undo.CanUndo(rows));  // once
        } else {
            EXPECT_EQ(status.text, "(previous)");
            EXPECT_NE(rows.entries, before);
        }
    }
}

TEST_F(ListCommandsTest, ARemoveThatTookNothingOutLeavesNothingToPutBack) {
    rows.entries = {Entry("a", "Hidden", true)};
    prompter.answers = {PromptAnswer::Ok};
    RemoveUndo undo;
    undo.Before(rows);
    commands.RemoveTicked();
    undo.After(rows);
    EXPECT_FALSE(undo.CanUndo(rows));
    prompter.answers = {PromptAnswer::Cancel};
    undo.Before(rows);
    commands.RemoveTicked();
    undo.After(rows);
    EXPECT_FALSE(undo.CanUndo(rows));
}
