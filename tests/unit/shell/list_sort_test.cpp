#include "shell/list_sort.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/support/scripted_prompter.h"

namespace {

class FakeSortableList final : public SortableList {
public:
    std::size_t entries = 3;
    ListSortState state;
    std::optional<RuntimeError> applyFailure;
    int applied = 0;

    std::size_t EntryCount() const override { return entries; }
    int ColumnCount() const override { return 2; }
    ListSortState SortState() const override { return state; }
    Outcome ApplySort(const ListSortState& newState) override {
        if (applyFailure) {
            return Outcome::Failure(*applyFailure);
        }
        ++applied;
        state = newState;
        return Outcome::Success();
    }
};

}  // namespace

TEST(ListSort, EveryClickFlipsTheOrderWhicheverColumn) {
    FakeSortableList list;
    ScriptedPrompter prompter;
    struct Click {
        int column;
        ListSortState expected;
    };
    const Click clicks[] = {
        {1, {true, 0, SortOrder::Ascending}}, {1, {true, 0, SortOrder::Descending}},
        {2, {true, 1, SortOrder::Ascending}}, {1, {true, 0, SortOrder::Descending}},
        {2, {true, 1, SortOrder::Ascending}}, {2, {true, 1, SortOrder::Descending}},
    };
    for (const auto& click : clicks) {
        EXPECT_TRUE(EnhListViewSortColumns(list, click.column, false, prompter));
        EXPECT_EQ(list.state, click.expected) << "column " << click.column;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(ListSort, EmptyListChangesNothing) {
    FakeSortableList list;
    list.entries = 0;
    ScriptedPrompter prompter;
    EXPECT_TRUE(EnhListViewSortColumns(list, 1, true, prompter));
    EXPECT_EQ(list.state, ListSortState{});
    EXPECT_EQ(list.applied, 0);

    list.entries = 1;  // the first click once there are entries sorts, ascending
    EXPECT_TRUE(EnhListViewSortColumns(list, 1, true, prompter));
    EXPECT_EQ(list.state, (ListSortState{true, 0, SortOrder::Ascending}));
}

TEST(ListSort, FailuresAreShownOnlyWhenAsked) {
    struct Case {
        const char* name;
        int column;
        std::optional<RuntimeError> applyFailure;
        std::string text;
    };
    const Case cases[] = {
        {"bad column", 3, {}, "Error35600\tIndex out of bounds"},
        {"list refuses", 1, RuntimeError{5, "Invalid procedure call or argument"},
         "Error5\tInvalid procedure call or argument"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool showErrors : {false, true}) {
            FakeSortableList list;
            list.applyFailure = c.applyFailure;
            ScriptedPrompter prompter;
            EXPECT_FALSE(EnhListViewSortColumns(list, c.column, showErrors, prompter));
            if (!showErrors) {
                EXPECT_TRUE(prompter.shown.empty());
                continue;
            }
            ASSERT_EQ(prompter.shown.size(), 1u);
            EXPECT_EQ(prompter.shown[0].title, "Error in Function : EnhListView_SortColumns");
            EXPECT_EQ(prompter.shown[0].text, c.text);
            EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Information);
        }
    }
}
