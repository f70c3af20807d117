#include "vault/list_file.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/latin1_code_page.h"
#include "tests/support/memory_storage.h"
#include "tests/support/scripted_prompter.h"
#include "vault/text_codec.h"

namespace {

// A raw list-file line for decoded text: encoded, then the unencoded line break.
std::string Line(std::string_view decoded) {
    return ToggleHighBit(decoded) + "\r\n";
}

}  // namespace

TEST(ListFileFormat, WritesTheDocumentedBytes) {
    const std::string bytes = FormatListBytes({{"C:\\a", "Hidden"}});
    EXPECT_EQ(bytes, "\xC3\xBA\xDC\xE1\xFC\xAA\xFC\xC8\xE9\xE4\xE4\xE5\xEE\r\n");
    EXPECT_EQ(FormatListBytes({}), "");
}

TEST(ListFileFormat, ReadsLinesAsDocumented) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<StoredEntry> expected;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"one entry", Line("C:\\a|*|Hidden"), {{"C:\\a", "Hidden"}}},
        {"last line without a break", ToggleHighBit("C:\\a|*|Visible"), {{"C:\\a", "Visible"}}},
        {"extra pieces ignored", Line("a|*|b|*|c"), {{"a", "b"}}},
        {"empty status", Line("a|*|"), {{"a", ""}}},
        {"empty path", Line("|*|Visible"), {{"", "Visible"}}},
        {"no separator dropped", Line("just a path") + Line("b|*|Hidden"), {{"b", "Hidden"}}},
        {"blank lines skipped", "\r\n\r\n" + Line("a|*|Visible") + "\r\n", {{"a", "Visible"}}},
        {"raw single space skipped", " \r\n" + Line("a|*|Visible"), {{"a", "Visible"}}},
        {"raw two spaces dropped", "  \r\n", {}},
        {"unknown status kept",
         Line("a|*|visible") + Line("b|*|Gone"),
         {{"a", "visible"}, {"b", "Gone"}}},
        {"separator pieces across lines",
         Line("a|*|Visible") + Line("b|*|Hidden"),
         {{"a", "Visible"}, {"b", "Hidden"}}},
        // Encoded 0x8D is a CR byte and 0x8A an LF byte: neither alone ends the line.
        {"lone CR inside an entry", Line("x\x8Dy|*|Visible"), {{"x\x8Dy", "Visible"}}},
        {"lone LF inside an entry", Line("\x8A\x8A|*|Visible"), {{"\x8A\x8A", "Visible"}}},
        {"CR ending the status", Line("p|*|s\x8D"), {{"p", "s\x8D"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseListBytes(c.bytes), c.expected) << c.name;
    }
}

TEST(ListFileFormat, StorablePathsRoundTripByteExactly) {
    std::mt19937 random(141);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 2000; ++round) {
        std::vector<StoredEntry> entries(static_cast<std::size_t>(length(random) % 6));
        for (auto& entry : entries) {
            do {
                entry.path.assign(static_cast<std::size_t>(length(random)), '\0');
                for (auto& c : entry.path) {
                    c = static_cast<char>(byte(random));
                }
            } while (!CanStoreInListFile(entry.path));
            entry.status = round % 2 ? "Hidden" : "Visible";
        }
        ASSERT_EQ(ParseListBytes(FormatListBytes(entries)), entries) << "round " << round;
    }
}

TEST(ListFileFormat, RefusesPathsThatWouldNotComeBack) {
    struct Case {
        std::string path;
        bool storable;
    };
    const Case cases[] = {
        {"C:\\Data", true},       {"", true},           {"C:\\\x8D", true}, {"C:\\\x8A\x8D", true},
        {"C:\\a\x8D\x8A", false}, {"C:\\a|*|b", false}, {"C:\\a|*", false}, {"C:\\a|", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanStoreInListFile(c.path), c.storable) << c.path;
    }
}

class ListFileTest : public ::testing::Test {
protected:
    Latin1CodePage codePage;
    MemoryStorage storage;
    ScriptedPrompter prompter;
};

TEST_F(ListFileTest, AbsentFileGivesAnEmptyListAndTheFirstSaveWritesBothFiles) {
    VectorFolderList list;
    ASSERT_TRUE(LoadList(list, storage, codePage).Succeeded());
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
    ASSERT_TRUE(LoadList(list, storage, codePage).Succeeded());
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

TEST_F(ListFileTest, HiddenListFileIsNotSeen) {
    storage.files["data.dat"] = Line("C:\\a|*|Visible");
    storage.hiddenFiles.insert("data.dat");
    VectorFolderList list;
    ASSERT_TRUE(LoadList(list, storage, codePage).Succeeded());
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(ListFileTest, UnreadableFileIsReportedToTheCaller) {
    storage.files["data.dat"] = Line("C:\\a|*|Visible");
    storage.readFailure = RuntimeError{75, "Path/File access error"};
    VectorFolderList list;
    const Outcome loaded = LoadList(list, storage, codePage);
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
