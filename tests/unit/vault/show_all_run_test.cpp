#include "vault/show_all_run.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/support/latin1_code_page.h"
#include "tests/support/memory_storage.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/set_disk.h"
#include "vault/folder_hider.h"
#include "vault/list_file.h"

namespace {

const std::string kTax = "C:\\Data\\Tax";
const std::string kPhotos = "C:\\Data\\Photos";

struct ShowAllCase {
    const char* name;
    std::vector<StoredEntry> list;  // data.dat before the run
    std::set<std::string> folders;  // on disk before the run
    std::set<std::string> busy;     // folders that refuse to be renamed
    bool listUnreadable = false;
    bool listUnwritable = false;
    int hiddenBefore;  // the exit code of /hiddencount before the run
    ShowAllOutcome outcome;
    std::vector<std::string> statusesAfter;  // data.dat's status words after the run
    std::set<std::string> foldersAfter;
    int exitCode;
    const char* summary;
};

TEST(ShowAllRunTest, RevealsEveryListedFolderAndSaysWhetherAnyIsLeft) {
    const std::string taxHidden = HiddenPathOf(kTax);
    const std::string photosHidden = HiddenPathOf(kPhotos);
    const ShowAllCase cases[] = {
        {"two hidden",
         {{kTax, "Hidden"}, {kPhotos, "Hidden"}},
         {taxHidden, photosHidden},
         {},
         false,
         false,
         2,
         {true, 2, 2, 0},
         {"Visible", "Visible"},
         {kTax, kPhotos},
         0,
         "Made 2 folders Visible; every listed folder is visible."},
        {"a batch cut short: listed Visible, renamed on disk",
         {{kTax, "Visible"}, {kPhotos, "Visible"}},
         {taxHidden, kPhotos},
         {},
         false,
         false,
         1,
         {true, 2, 1, 0},
         {"Visible", "Visible"},
         {kTax, kPhotos},
         0,
         "Made 1 folders Visible; every listed folder is visible."},
        {"a folder held open",
         {{kTax, "Hidden"}, {kPhotos, "Hidden"}},
         {taxHidden, photosHidden},
         {photosHidden},
         false,
         false,
         2,
         {true, 2, 1, 1},
         {"Visible", "Hidden"},
         {kTax, photosHidden},
         1,
         "Made 1 folders Visible; 1 listed folders are still hidden."},
        {"a folder on a drive that is not there",
         {{kTax, "Hidden"}},
         {},
         {},
         false,
         false,
         1,
         {true, 1, 0, 1},
         {"Hidden"},
         {},
         1,
         "Made 0 folders Visible; 1 listed folders are still hidden."},
        {"the list cannot be saved",
         {{kTax, "Hidden"}},
         {taxHidden},
         {},
         false,
         true,
         1,
         {true, 1, 1, 1},
         {"Hidden"},
         {kTax},
         1,
         "Made 1 folders Visible; 1 listed folders are still hidden."},
        {"the list cannot be read",
         {{kTax, "Hidden"}},
         {taxHidden},
         {},
         true,
         false,
         255,
         {false, 0, 0, 0},
         {"Hidden"},
         {taxHidden},
         1,
         "The folder list could not be read: no folder was shown."},
        {"no list at all",
         {},
         {},
         {},
         false,
         false,
         0,
         {true, 0, 0, 0},
         {},
         {},
         0,
         "Made 0 folders Visible; every listed folder is visible."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStorage storage;
        if (!c.list.empty()) {
            StoredList stored;
            stored.entries = c.list;
            storage.files["data.dat"] = FormatListBytes(stored);
        }
        if (c.listUnreadable) {
            storage.readFailure = RuntimeError{70, "Permission denied"};
        }
        if (c.listUnwritable) {
            storage.failingWrites = {"data.dat", "data.bak"};
        }
        SetDisk disk;
        disk.folders = c.folders;
        disk.busy = c.busy;
        ScriptedPrompter prompter;
        Latin1CodePage codePage;

        const auto hiddenBefore = CountListedHidden(storage, disk, codePage, prompter, "Murkwell");
        EXPECT_EQ(HiddenCountExitCode(hiddenBefore), c.hiddenBefore);
        const ShowAllOutcome outcome =
            ShowEveryListedFolder(storage, disk, codePage, prompter, "C:\\Tools\\App", "Murkwell");

        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(ShowAllExitCode(outcome), c.exitCode);
        EXPECT_EQ(ShowAllSummary(outcome), c.summary);
        EXPECT_EQ(disk.folders, c.foldersAfter);
        std::vector<std::string> statuses;
        if (storage.files.contains("data.dat")) {
            for (const auto& entry : ParseListBytes(storage.files["data.dat"]).entries) {
                statuses.push_back(entry.status);
            }
        }
        EXPECT_EQ(statuses, c.statusesAfter);
    }
}

// The command line reads both list files: neither a damaged data.dat nor an unreadable file may
// hide a folder from /hiddencount, or let /showall report success or write a shorter list.
TEST(ShowAllRunTest, BothListFilesAreReadAndAnUnreadableOneStopsTheRun) {
    const std::string taxHidden = HiddenPathOf(kTax);
    const auto bytes = [](std::vector<StoredEntry> entries) {
        StoredList stored;
        stored.entries = std::move(entries);
        return FormatListBytes(stored);
    };
    struct Case {
        const char* name;
        std::optional<std::string> list;    // data.dat, when there is one
        std::optional<std::string> backup;  // data.bak, likewise
        const char* unreadable;             // the file that cannot be read, if any
        int hiddenCount;
        int exitCode;
        std::vector<std::string> statusesAfter;  // data.dat's after /showall
        std::set<std::string> foldersAfter;
    };
    const Case cases[] = {
        {"empty data.dat, the backup lists it",
         "",
         bytes({{kTax, "Hidden"}}),
         nullptr,
         1,
         0,
         {"Visible"},
         {kTax}},
        {"data.dat of junk, the backup lists it",
         "\xE7\xE1\xF2\xE2\xE1\xE7\xE5\r\n",
         bytes({{kTax, "Hidden"}}),
         nullptr,
         1,
         0,
         {"Visible"},
         {kTax}},
        {"no data.dat, the backup cannot be read",
         std::nullopt,
         bytes({{kTax, "Hidden"}}),
         "data.bak",
         255,
         1,
         {},
         {taxHidden}},
        {"data.dat cannot be read, an older backup",
         bytes({{kTax, "Hidden"}}),
         bytes({{kPhotos, "Visible"}}),
         "data.dat",
         255,
         1,
         {"Hidden"},
         {taxHidden}},
        {"only the backup still lists it",
         bytes({{kPhotos, "Visible"}}),
         bytes({{kPhotos, "Visible"}, {kTax, "Hidden"}}),
         nullptr,
         1,
         0,
         {"Visible", "Visible"},
         {kTax}},
        {"status words edited by hand",
         bytes({{kTax, " hIDDEN "}}),
         std::nullopt,
         nullptr,
         1,
         0,
         {"Visible"},
         {kTax}},
        {"a relative path is never acted on",
         bytes({{"Data\\Tax", "Hidden"}}),
         std::nullopt,
         nullptr,
         1,
         1,
         {"Hidden"},
         {taxHidden}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStorage storage;
        if (c.list) {
            storage.files["data.dat"] = *c.list;
        }
        if (c.backup) {
            storage.files["data.bak"] = *c.backup;
        }
        if (c.unreadable) {
            storage.readFailure = RuntimeError{70, "Permission denied"};
            storage.readFailureFor = c.unreadable;
        }
        const auto filesBefore = storage.files;
        SetDisk disk;
        disk.folders = {taxHidden};
        ScriptedPrompter prompter;
        Latin1CodePage codePage;

        const auto count = CountListedHidden(storage, disk, codePage, prompter, "Murkwell");
        EXPECT_EQ(HiddenCountExitCode(count), c.hiddenCount);
        EXPECT_EQ(storage.writes, 0);  // a count only reads
        EXPECT_EQ(storage.files, filesBefore);

        const ShowAllOutcome outcome =
            ShowEveryListedFolder(storage, disk, codePage, prompter, "C:\\Tools\\App", "Murkwell");
        EXPECT_EQ(ShowAllExitCode(outcome), c.exitCode);
        EXPECT_EQ(disk.folders, c.foldersAfter);
        if (c.unreadable) {
            EXPECT_EQ(storage.files, filesBefore);  // nothing written over what could not be read
            EXPECT_NE(prompter.shown.at(0).text.find(c.unreadable), std::string::npos);
        }
        std::vector<std::string> statuses;
        if (storage.files.contains("data.dat")) {
            for (const auto& entry : ParseListBytes(storage.files["data.dat"]).entries) {
                statuses.push_back(entry.status);
            }
        }
        EXPECT_EQ(statuses, c.statusesAfter);
        if (!c.unreadable && storage.files.contains("data.bak")) {
            EXPECT_EQ(storage.files["data.bak"], storage.files["data.dat"]);
        }
    }
}

TEST(ShowAllRunTest, HiddenIsReadWhateverItsLetterCaseAndTheBlanksAroundIt) {
    for (const char* word : {"Hidden", "hidden", "HIDDEN", " Hidden", "Hidden ", "\tHiDdEn\t"}) {
        EXPECT_TRUE(SaysHidden(word)) << word;
    }
    for (const char* word : {"Visible", "", " ", "Hidden!", "Hid den", "Hiddenx", "xHidden"}) {
        EXPECT_FALSE(SaysHidden(word)) << word;
    }
}

}  // namespace
