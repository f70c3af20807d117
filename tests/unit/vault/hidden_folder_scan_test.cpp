#include "vault/hidden_folder_scan.h"

#include <gtest/gtest.h>

#include "tests/support/vector_folder_rows.h"

TEST(HiddenFolderScan, NamesCarryingTheSuffix) {
    struct Case {
        std::string_view name;
        bool hidden;
    };
    const Case cases[] = {
        {"DiaryHIDDEN123456", true},
        {"Diaryhidden123456", true},  // renamed by hand in another case
        {"xHIDDEN123456", true},
        {"HIDDEN123456", false},  // no real name before it
        {"DiaryHIDDEN12345", false},
        {"DiaryHIDDEN1234567", false},
        {"HIDDEN123456Diary", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CarriesHiddenSuffix(c.name), c.hidden) << c.name;
        // The walk sees wide names; the rule is the same.
        const std::wstring wide(c.name.begin(), c.name.end());
        EXPECT_EQ(CarriesHiddenSuffix(std::wstring_view(wide)), c.hidden) << c.name;
    }
}

TEST(HiddenFolderScan, RealPathDropsTheSuffixFromEveryHiddenFolderOnTheWay) {
    struct Case {
        std::string_view onDisk;
        std::string_view real;
    };
    const Case cases[] = {
        {"C:\\Users\\Ann\\DiaryHIDDEN123456", "C:\\Users\\Ann\\Diary"},
        {"C:\\OuterHIDDEN123456\\InnerHIDDEN123456", "C:\\Outer\\Inner"},
        {"D:\\HIDDEN123456\\PhotosHIDDEN123456", "D:\\HIDDEN123456\\Photos"},
        {"\\\\server\\share\\\xC3\x84rgerHIDDEN123456", "\\\\server\\share\\\xC3\x84rger"},
        {"C:\\Plain\\Folder", "C:\\Plain\\Folder"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RealPathOf(c.onDisk), c.real) << c.onDisk;
    }
}

TEST(HiddenFolderScan, OuterFoldersAreRevealedFirst) {
    const std::vector<std::string> found = {"C:\\a\\b\\c", "D:\\x", "C:\\a\\b", "C:\\a"};
    EXPECT_EQ(InRevealOrder(found),
              (std::vector<std::string>{"D:\\x", "C:\\a", "C:\\a\\b", "C:\\a\\b\\c"}));
}

TEST(HiddenFolderScan, ListedFoldersAreKnownWhateverTheirCaseOrEndingBackslash) {
    VectorFolderRows rows;
    rows.entries = {{"C:\\Users\\Ann\\Diary", "Hidden", false}, {"D:\\Photos\\", "Visible", false}};
    ListedFolders listed(rows, nullptr);
    EXPECT_TRUE(listed.Holds("C:\\Users\\Ann\\Diary"));
    EXPECT_TRUE(listed.Holds("c:\\users\\ann\\DIARY"));
    EXPECT_TRUE(listed.Holds("D:\\Photos"));
    EXPECT_FALSE(listed.Holds("C:\\Users\\Ann"));
    EXPECT_FALSE(listed.Holds("C:\\Users\\Ann\\Diary2"));
    listed.Insert("E:\\New");
    EXPECT_TRUE(listed.Holds("e:\\new\\"));
}

TEST(HiddenFolderScan, ProgressLineSaysOnlyWhatHappened) {
    struct Case {
        ScanStage stage;
        ScanTally tally;
        std::string_view text;
    };
    const Case cases[] = {
        {ScanStage::Running, {0, 0, 0, 0}, "Scanning: 0 folders scanned, 0 found"},
        {ScanStage::Running, {1200, 3, 0, 0}, "Scanning: 1200 folders scanned, 3 found"},
        {ScanStage::Finished,
         {5120, 2, 1, 0},
         "Finished: 5120 folders scanned, 2 found, 1 already in the list"},
        {ScanStage::Stopped,
         {77, 0, 0, 4},
         "Stopped: 77 folders scanned, 0 found, 4 could not be read"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanProgressText(c.stage, c.tally), c.text);
    }
}

TEST(HiddenFolderScan, LookInLosesSpacesAndQuotationMarks) {
    struct Case {
        std::string_view typed;
        std::string_view cleaned;
    };
    const Case cases[] = {
        {"D:\\Old", "D:\\Old"},
        {"  D:\\Old Files \t", "D:\\Old Files"},
        {"\"D:\\Old Files\"", "D:\\Old Files"},
        {" \"D:\\\" ", "D:\\"},
        {"\"", "\""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanedLookIn(c.typed), c.cleaned) << c.typed;
    }
}
