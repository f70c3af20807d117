#include "vault/list_file.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/text_codec.h"
#include "tests/support/latin1_code_page.h"
#include "tests/support/memory_storage.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/vector_folder_list.h"
#include "tests/support/vector_folder_rows.h"

namespace {

// A raw list-file line for decoded text: encoded, then the unencoded line break.
std::string Line(std::string_view decoded) {
    return ToggleHighBit(decoded) + "\r\n";
}

}  // namespace

TEST(ListFileFormat, WritesEntryLinesEncodedWithCrLf) {
    const std::string bytes = FormatListBytes({{{"C:\\a", "Hidden"}}, ""});
    EXPECT_EQ(bytes, "\xC3\xBA\xDC\xE1\xFC\xAA\xFC\xC8\xE9\xE4\xE4\xE5\xEE\r\n");
    EXPECT_EQ(FormatListBytes({}), "");
    EXPECT_EQ(FormatListBytes({{{"a", "b", "|*|c", "\xC0\r\n"}}, "\xC1\r\n"}),
              "\xC0\r\n" + Line("a|*|b|*|c") + "\xC1\r\n");
}

TEST(ListFileFormat, ReadsEntriesAndKeepsTheLinesItCannotRead) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<StoredEntry> expected;
        std::string keptTail = {};
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"one entry", Line("C:\\a|*|Hidden"), {{"C:\\a", "Hidden"}}},
        {"last line without a break", ToggleHighBit("C:\\a|*|Visible"), {{"C:\\a", "Visible"}}},
        {"extra pieces kept", Line("a|*|b|*|c"), {{"a", "b", "|*|c"}}},
        {"empty status", Line("a|*|"), {{"a", ""}}},
        {"status ending in |*", Line("a|*|b|*"), {{"a", "b|*"}}},
        {"empty path", Line("|*|Visible"), {{"", "Visible"}}},
        {"no separator kept before the next entry",
         Line("just a path") + Line("b|*|Hidden"),
         {{"b", "Hidden", "", Line("just a path")}}},
        {"no separator kept at the end",
         Line("b|*|Hidden") + Line("C:\\a|-|Hidden"),
         {{"b", "Hidden"}},
         Line("C:\\a|-|Hidden")},
        {"blank lines skipped", "\r\n\r\n" + Line("a|*|Visible") + "\r\n", {{"a", "Visible"}}},
        {"raw single space skipped", " \r\n" + Line("a|*|Visible"), {{"a", "Visible"}}},
        {"raw two spaces kept", "  \r\n", {}, "  \r\n"},
        {"unknown status kept",
         Line("a|*|visible") + Line("b|*|Gone"),
         {{"a", "visible"}, {"b", "Gone"}}},
        // Encoded 0x8D is a CR byte and 0x8A an LF byte: neither alone ends an entry's line.
        {"lone CR inside an entry", Line("x\x8Dy|*|Visible"), {{"x\x8Dy", "Visible"}}},
        {"lone LF inside an entry", Line("\x8A\x8A|*|Visible"), {{"\x8A\x8A", "Visible"}}},
        {"CR ending the status", Line("p|*|s\x8D"), {{"p", "s\x8D"}}},
        // ...unless entries stand on both sides: lines of a list edited by hand.
        {"entries joined by a lone LF",
         ToggleHighBit("a|*|Visible") + "\n" + Line("b|*|Hidden"),
         {{"a", "Visible"}, {"b", "Hidden"}}},
        {"entries joined by lone CRs",
         ToggleHighBit("a|*|Visible") + "\r" + ToggleHighBit("b|*|Hidden") + "\r" +
             ToggleHighBit("c|*|Hidden"),
         {{"a", "Visible"}, {"b", "Hidden"}, {"c", "Hidden"}}},
        {"a path's own LF is not a break",
         ToggleHighBit("C:\\") + "\n" + ToggleHighBit("x|*|Visible") + "\n" + Line("b|*|Hidden"),
         {{"C:\\\x8Ax", "Visible"}, {"b", "Hidden"}}},
    };
    for (const auto& c : cases) {
        const StoredList read = ParseListBytes(c.bytes);
        EXPECT_EQ(read.entries, c.expected) << c.name;
        EXPECT_EQ(read.keptTail, c.keptTail) << c.name;
    }
}

TEST(ListFileFormat, EveryLineReadIsWrittenBackAndReadsAlike) {
    // Damaged and hand-edited files: what the writer makes of what was read reads the same
    // and writes the same bytes again, so no save ever loses a byte of it.
    const std::string files[] = {
        Line("C:\\a\xFC\xAA|Hidden"),  // one flipped bit in a separator
        Line("a|*|b|*|c|*|d") + Line("x"),
        ToggleHighBit("a|*|V") + "\n" + ToggleHighBit("junk") + "\n" + ToggleHighBit("b|*|H"),
        Line("a|*|b|*") + Line("c|*|d|*|") + "  \r\n" + ToggleHighBit("e|*|f") + "\r",
    };
    for (const auto& bytes : files) {
        const StoredList read = ParseListBytes(bytes);
        const std::string written = FormatListBytes(read);
        EXPECT_EQ(ParseListBytes(written), read);
        EXPECT_EQ(FormatListBytes(ParseListBytes(written)), written);
    }
    // A file whose every line is understood and ends in CR LF comes back byte for byte.
    const std::string plain = Line("C:\\a\xFC\xAA|Hidden") + Line("a|*|b|*|c") + Line("b|*|");
    EXPECT_EQ(FormatListBytes(ParseListBytes(plain)), plain);
}

TEST(ListFileFormat, StorablePathsRoundTripByteExactly) {
    std::mt19937 random(141);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 2000; ++round) {
        StoredList list;
        list.entries.resize(static_cast<std::size_t>(length(random) % 6));
        for (auto& entry : list.entries) {
            do {
                entry.path.assign(static_cast<std::size_t>(length(random)), '\0');
                for (auto& c : entry.path) {
                    c = static_cast<char>(byte(random));
                }
            } while (!CanStoreInListFile(entry.path));
            entry.status = round % 2 ? "Hidden" : "Visible";
        }
        ASSERT_EQ(ParseListBytes(FormatListBytes(list)), list) << "round " << round;
    }
}

TEST(ListFileFormat, RefusesPathsThatWouldNotComeBack) {
    struct Case {
        std::string path;
        bool storable;
    };
    const Case cases[] = {
        {"C:\\Data", true},
        {"", true},
        {"C:\\\x8D", true},
        {"C:\\\x8A\x8D", true},
        {"C:\\a\x8D\x8A", false},
        {"C:\\a|*|b", false},
        {"C:\\a|*", false},
        {"C:\\a|", true},
        // A break byte first would be read as the end of a line edited by hand.
        {"\x8A"
         "C:\\a",
         false},
        {"\x8D", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanStoreInListFile(c.path), c.storable) << c.path;
    }
}

// Lists edited by hand end their lines in every way: each entry is read with its own path and
// status word, never with a break from the line before or after it.
TEST(ListFileFormat, EveryWayOfEndingALineReadsTheSameEntries) {
    const std::string a = ToggleHighBit(std::string_view("C:\\a|*|Hidden"));
    const std::string b = ToggleHighBit(std::string_view("C:\\b|*|Visible"));
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"CR LF", a + "\r\n" + b + "\r\n"},
        {"LF", a + "\n" + b + "\n"},
        {"CR", a + "\r" + b + "\r"},
        {"LF CR", a + "\n\r" + b + "\n\r"},
        {"CR CR LF", a + "\r\r\n" + b + "\r\r\n"},
        {"blank LF lines", a + "\n\n" + b + "\n\n"},
        {"blank CR LF lines", "\r\n" + a + "\r\n\r\n" + b + "\r\n\r\n"},
        {"leading breaks", "\n\n" + a + "\n" + b},
        {"trailing breaks", a + "\r\n" + b + "\n\r\n"},
        {"no break at the end", a + "\r\n" + b},
    };
    for (const Case& c : cases) {
        const StoredList read = ParseListBytes(c.bytes);
        std::vector<std::pair<std::string, std::string>> entries;
        for (const auto& entry : read.entries) {
            entries.emplace_back(entry.path, entry.status);
        }
        EXPECT_EQ(entries, (std::vector<std::pair<std::string, std::string>>{{"C:\\a", "Hidden"},
                                                                             {"C:\\b", "Visible"}}))
            << c.name;
    }
}

class ListFileTest : public ::testing::Test {
protected:
    Outcome Load(FolderList& list) {
        return LoadList(list, storage, codePage, prompter, "Murkwell Demo");
    }

    Latin1CodePage codePage;
    MemoryStorage storage;
    ScriptedPrompter prompter;
};

TEST_F(ListFileTest, AbsentFileGivesAnEmptyListAndTheFirstSaveWritesBothFiles) {
    VectorFolderList list;
    ASSERT_TRUE(Load(list).Succeeded());
    EXPECT_EQ(list.Count(), 0u);

    list.Append({"C:\\a", "Hidden", true});
    EXPECT_TRUE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(storage.files.at("data.dat"),
              "\xC3\xBA\xDC\xE1\xFC\xAA\xFC\xC8\xE9\xE4\xE4\xE5\xEE\r\n");
    EXPECT_EQ(storage.files.at("data.bak"), storage.files.at("data.dat"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListFileTest, EmptyListSavesEmptyFiles) {
    storage.files["data.dat"] = Line("old|*|Visible");
    EXPECT_TRUE(SaveList(VectorFolderList{}, storage, codePage, prompter));
    EXPECT_EQ(storage.files.at("data.dat"), "");
    EXPECT_EQ(storage.files.at("data.bak"), "");
}

TEST_F(ListFileTest, LoadAppendsUncheckedEntriesInFileOrderAndSaveKeepsThem) {
    storage.files["data.dat"] =
        Line("C:\\Zed|*|Visible") + Line("C:\\caf\xE9|*|Hidden") + Line("C:\\b|*|visible");
    VectorFolderList list;
    ASSERT_TRUE(Load(list).Succeeded());
    const std::vector<FolderEntry> expected{
        {"C:\\Zed", "Visible", false},
        {"C:\\caf\xC3\xA9", "Hidden", false},  // UTF-8 in memory
        {"C:\\b", "visible", false},
    };
    EXPECT_EQ(list.Entries(), expected);

    const std::string before = storage.files["data.dat"];
    EXPECT_TRUE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(storage.files["data.dat"], before);
}

// A list file that is there is read, whatever its attributes (the Windows tests give it the
// hidden and system ones); only a file that is not there counts as absent.
TEST_F(ListFileTest, OnlyAMissingListFileCountsAsAbsent) {
    storage.files["data.dat"] = Line("C:\\a|*|Visible");
    VectorFolderList list;
    ASSERT_TRUE(Load(list).Succeeded());
    EXPECT_EQ(list.Count(), 1u);

    storage.files.clear();
    storage.readFailure = RuntimeError{70, "Permission denied"};
    VectorFolderList unreadable;
    EXPECT_TRUE(Load(unreadable).Failed());
    EXPECT_EQ(storage.writes, 0);
}

TEST_F(ListFileTest, DamagedLinesSurviveTwoSavesByteForByte) {
    // The middle entry's separator lost a bit: it is not shown, and not lost either.
    const std::string damaged = Line("C:\\a|*|Hidden") + Line("C:\\b|\xAA|Hidden") +
                                Line("C:\\c|*|Hidden|*|extra") + Line("tail junk");
    storage.files["data.dat"] = damaged;
    VectorFolderRows rows;
    ASSERT_TRUE(Load(rows).Succeeded());
    ASSERT_EQ(rows.Count(), 2u);
    EXPECT_EQ(rows.entries[1].path, "C:\\c");

    EXPECT_TRUE(SaveList(rows, storage, codePage, prompter));
    EXPECT_EQ(storage.files["data.dat"], damaged);
    rows.SetStatus(1, "Visible");
    EXPECT_TRUE(SaveList(rows, storage, codePage, prompter));
    EXPECT_EQ(storage.files["data.dat"], Line("C:\\a|*|Hidden") + Line("C:\\b|\xAA|Hidden") +
                                             Line("C:\\c|*|Visible|*|extra") + Line("tail junk"));

    // Removing the entry a kept line stood before hands the line on to the next one.
    rows.RemoveRows({0});
    rows.Append({"C:\\new", "Visible", false});
    EXPECT_TRUE(SaveList(rows, storage, codePage, prompter));
    EXPECT_EQ(storage.files["data.dat"], Line("C:\\b|\xAA|Hidden") +
                                             Line("C:\\c|*|Visible|*|extra") +
                                             Line("C:\\new|*|Visible") + Line("tail junk"));
    EXPECT_EQ(storage.files["data.bak"], storage.files["data.dat"]);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListFileTest, EveryEntryReadIsSavedAgain) {
    // Statuses and paths the program would never write itself: saved unchanged, never refused.
    const std::string odd = Line("a|*|b|*") + Line("C:\\x|*|Hidden|*") + Line("p\x8A|*|s\x8D") +
                            Line("C:\\q|*|Hidden|*|");
    storage.files["data.dat"] = odd;
    VectorFolderRows rows;
    ASSERT_TRUE(Load(rows).Succeeded());
    ASSERT_EQ(rows.Count(), 4u);
    EXPECT_EQ(rows.entries[0].status, "b|*");
    EXPECT_TRUE(SaveList(rows, storage, codePage, prompter));
    EXPECT_EQ(storage.files["data.dat"], odd);
    rows.SetStatus(3, "Visible");
    EXPECT_TRUE(SaveList(rows, storage, codePage, prompter));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListFileTest, MissingOrUnreadableListLoadsTheBackupAndWritesItBack) {
    const std::string backup = Line("C:\\a|*|Hidden") + Line("C:\\b|*|Visible");
    struct Case {
        const char* name;
        bool listPresent;
        bool listReadable;
        const char* reason;
    };
    const Case cases[] = {
        {"missing", false, true, "The file is missing."},
        {"unreadable", true, false, "Error 70\r\nPermission denied"},
    };
    for (const auto& c : cases) {
        storage = MemoryStorage{};
        prompter.shown.clear();
        storage.files["data.bak"] = backup;
        if (c.listPresent) {
            storage.files["data.dat"] = Line("C:\\old|*|Hidden");
        }
        if (!c.listReadable) {
            storage.readFailure = RuntimeError{70, "Permission denied"};
            storage.readFailureFor = "data.dat";
        }
        VectorFolderList list;
        ASSERT_TRUE(Load(list).Succeeded()) << c.name;
        EXPECT_EQ(list.Count(), 2u) << c.name;
        EXPECT_EQ(storage.files["data.dat"], backup) << c.name;
        ASSERT_EQ(prompter.shown.size(), 1u) << c.name;
        EXPECT_EQ(prompter.shown[0].title, "Murkwell Demo");
        EXPECT_NE(prompter.shown[0].text.find(c.reason), std::string::npos) << c.name;
        EXPECT_NE(prompter.shown[0].text.find("backup copy has been loaded instead (2 folders)"),
                  std::string::npos)
            << c.name;
    }
}

TEST_F(ListFileTest, EmptyListBesideAFullBackupAsksWhichToLoad) {
    const std::string backup = Line("C:\\a|*|Hidden");
    struct Case {
        const char* name;
        std::string list;
        PromptAnswer answer;
        std::size_t expectedCount;
    };
    const Case cases[] = {
        {"empty, backup chosen", "", PromptAnswer::Yes, 1},
        {"damaged, backup chosen", Line("C:\\a|\xAA|Hidden"), PromptAnswer::Yes, 1},
        {"box closed: the backup", "", PromptAnswer::Cancel, 1},
        {"list kept", "", PromptAnswer::No, 0},
    };
    for (const auto& c : cases) {
        storage = MemoryStorage{};
        prompter.shown.clear();
        prompter.answers = {c.answer};
        storage.files["data.dat"] = c.list;
        storage.files["data.bak"] = backup;
        VectorFolderList list;
        ASSERT_TRUE(Load(list).Succeeded()) << c.name;
        EXPECT_EQ(list.Count(), c.expectedCount) << c.name;
        ASSERT_EQ(prompter.shown.size(), 1u) << c.name;
        EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::YesNo);
        EXPECT_NE(
            prompter.shown[0].text.find("holds no folders, but its backup copy lists 1 folders"),
            std::string::npos);
        if (c.expectedCount == 1) {
            EXPECT_EQ(storage.files["data.dat"], backup) << c.name;
        } else {
            EXPECT_EQ(storage.files["data.dat"], c.list) << c.name;
            EXPECT_EQ(storage.writes, 0) << c.name;
        }
    }
}

TEST_F(ListFileTest, NewerListIsLoadedSilentlyWhenTheFilesDiffer) {
    // After an interrupted save data.dat is whole and newer: the backup is not looked at.
    storage.files["data.dat"] = Line("C:\\a|*|Hidden") + Line("C:\\b|*|Hidden");
    storage.files["data.bak"] = Line("C:\\a|*|Hidden");
    VectorFolderList list;
    ASSERT_TRUE(Load(list).Succeeded());
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(storage.writes, 0);
}

TEST_F(ListFileTest, ListTooLargeToBeAListIsNotReadNorReplacedByTheBackup) {
    storage.files["data.dat"] = std::string(kMaxListFileBytes + 1, '\xA0');
    storage.files["data.bak"] = Line("C:\\a|*|Hidden");
    VectorFolderList list;
    const Outcome loaded = Load(list);
    ASSERT_TRUE(loaded.Failed());
    EXPECT_EQ(loaded.Error().number, kFileTooLargeError);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(storage.writes, 0);
}

TEST_F(ListFileTest, UnreadableFileWithoutABackupIsReportedToTheCaller) {
    storage.files["data.dat"] = Line("C:\\a|*|Visible");
    storage.readFailure = RuntimeError{75, "Path/File access error"};
    VectorFolderList list;
    const Outcome loaded = Load(list);
    ASSERT_TRUE(loaded.Failed());
    EXPECT_EQ(loaded.Error().number, 75);
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(ListFileTest, FailedListWriteKeepsThePreviousFilesAndTellsTheUser) {
    storage.files["data.dat"] = Line("C:\\old|*|Hidden");
    storage.files["data.bak"] = storage.files["data.dat"];
    storage.failingWrites.insert("data.dat");
    VectorFolderList list({{"C:\\new", "Visible", false}});

    EXPECT_FALSE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(storage.files["data.dat"], Line("C:\\old|*|Hidden"));
    EXPECT_EQ(storage.files["data.bak"], Line("C:\\old|*|Hidden"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, "Error");
    EXPECT_NE(prompter.shown[0].text.find("could not be saved to:\r\n\r\nC:\\Program\\data.dat"),
              std::string::npos);
    EXPECT_NE(prompter.shown[0].text.find("Error 61\r\nDisk full"), std::string::npos);
}

TEST_F(ListFileTest, FailedBackupIsReportedButTheListIsSaved) {
    storage.failingWrites.insert("data.bak");
    VectorFolderList list({{"C:\\new", "Visible", false}});

    EXPECT_TRUE(SaveList(list, storage, codePage, prompter));
    EXPECT_EQ(storage.files["data.dat"], Line("C:\\new|*|Visible"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find(
                  "backup copy could not be written to:\r\n\r\nC:\\Program\\data.bak"),
              std::string::npos);
}

TEST_F(ListFileTest, PathTheFileCannotCarryIsNeverWritten) {
    const std::string previous = Line("C:\\old|*|Visible");
    storage.files["data.dat"] = previous;
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"outside the code page", "C:\\\xE2\x82\xAC"},  // U+20AC is not in Latin-1
        {"encodes as a line break", "C:\\a\xC2\x8D\xC2\x8A"},
    };
    for (const auto& c : cases) {
        prompter.shown.clear();
        VectorFolderList list({{"C:\\fine", "Visible", false}, {c.path, "Visible", false}});
        EXPECT_FALSE(SaveList(list, storage, codePage, prompter)) << c.name;
        EXPECT_EQ(storage.files["data.dat"], previous) << c.name;
        ASSERT_EQ(prompter.shown.size(), 1u) << c.name;
        EXPECT_NE(prompter.shown[0].text.find("cannot store"), std::string::npos) << c.name;
    }
    EXPECT_EQ(storage.writes, 0);
}
