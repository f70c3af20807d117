#include "shell/folder_row_model.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

namespace {

// Letters compared without their case, as the locale's comparison does for plain ASCII.
FolderRowModel::TextOrder CaselessOrder() {
    return {[](const std::string& text) {
                std::wstring key;
                for (const char c : text) {
                    key.push_back(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))));
                }
                return key;
            },
            [](const std::wstring& a, const std::wstring& b) { return a.compare(b); }};
}

std::vector<std::string> Paths(const FolderRowModel& rows) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        paths.push_back(rows.Row(i).path);
    }
    return paths;
}

FolderEntry Entry(std::string path, std::string status = "Visible") {
    return {std::move(path), std::move(status)};
}

}  // namespace

TEST(FolderRowModel, SortsStablyAndPlacesNewRowsAfterTheirEquals) {
    FolderRowModel rows(CaselessOrder());
    for (const char* path : {"C:\\b", "C:\\A", "C:\\c", "C:\\a"}) {
        EXPECT_EQ(rows.Append(Entry(path)), rows.Count() - 1);  // unsorted: at the end
    }
    rows.Sort({true, 0, SortOrder::Ascending});
    EXPECT_EQ(Paths(rows), (std::vector<std::string>{"C:\\A", "C:\\a", "C:\\b", "C:\\c"}));
    EXPECT_EQ(rows.Append(Entry("C:\\B")), 3u);  // after "C:\b", its equal
    rows.Sort({true, 0, SortOrder::Descending});
    EXPECT_EQ(Paths(rows), (std::vector<std::string>{"C:\\c", "C:\\b", "C:\\B", "C:\\A", "C:\\a"}));
    EXPECT_EQ(rows.Append(Entry("C:\\bb")), 1u);

    // By the status word, the paths' order kept among equal words.
    rows.SetStatus(0, "Hidden");
    rows.Sort({true, 1, SortOrder::Ascending});
    EXPECT_EQ(rows.Row(0).path, "C:\\c");
    EXPECT_EQ(Paths(rows)[1], "C:\\bb");
    EXPECT_EQ(rows.SortState(), (ListSortState{true, 1, SortOrder::Ascending}));
}

TEST(FolderRowModel, ATickOnASelectedRowTicksTheSelectionAndAnUnselectedRowAlone) {
    FolderRowModel rows(CaselessOrder());
    for (int i = 0; i < 5; ++i) {
        rows.Append(Entry("C:\\f" + std::to_string(i)));
    }
    const std::vector<std::size_t> selection = {1, 3};
    EXPECT_EQ(rows.ToggleTick(0, selection), std::vector<std::size_t>{0});
    EXPECT_EQ(rows.ToggleTick(3, selection), selection);
    EXPECT_TRUE(rows.Row(0).checked && rows.Row(1).checked && rows.Row(3).checked);
    EXPECT_FALSE(rows.Row(2).checked || rows.Row(4).checked);
    // The new tick is the clicked row's, for every selected row whatever it had.
    rows.SetChecked(1, false);
    EXPECT_EQ(rows.ToggleTick(3, selection), selection);
    EXPECT_FALSE(rows.Row(1).checked || rows.Row(3).checked);
    EXPECT_TRUE(rows.ToggleTick(9, selection).empty());
}

TEST(FolderRowModel, RowsTakenOutTogetherLeaveTheRestInOrderAndSayWhereEachWent) {
    FolderRowModel rows(CaselessOrder());
    for (int i = 0; i < 6; ++i) {
        rows.Append(Entry("C:\\f" + std::to_string(i)));
    }
    const std::vector<std::size_t> taken = {1, 2, 5};
    rows.RemoveRows(taken);
    EXPECT_EQ(Paths(rows), (std::vector<std::string>{"C:\\f0", "C:\\f3", "C:\\f4"}));
    const long expected[] = {0, -1, -1, 1, 2, -1};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(FolderRowModel::PlaceAfterRemoval(i, taken), expected[i]) << i;
    }
}
