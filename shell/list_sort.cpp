#include "shell/list_sort.h"

#include <string>

namespace {

constexpr int kIndexOutOfBounds = 35600;

void ReportSortFailure(Prompter& prompter, const RuntimeError& error) {
    prompter.Ask("Error" + std::to_string(error.number) + "\t" + error.description,
                 "Error in Function : EnhListView_SortColumns", PromptButtons::Ok,
                 PromptIcon::Information);
}

}  // namespace

bool EnhListViewSortColumns(SortableList& list,
                            int columnIndex,
                            bool showErrors,
                            Prompter& prompter) {
    if (list.EntryCount() == 0) {
        return true;
    }
    auto fail = [&](const RuntimeError& error) {
        if (showErrors) {
            ReportSortFailure(prompter, error);
        }
        return false;
    };
    ListSortState state = list.SortState();
    state.sorted = true;
    if (columnIndex < 1 || columnIndex > list.ColumnCount()) {
        return fail({kIndexOutOfBounds, "Index out of bounds"});
    }
    state.sortKey = columnIndex - 1;
    state.sortOrder =
        state.sortOrder == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
    if (auto applied = list.ApplySort(state); applied.Failed()) {
        return fail(applied.Error());
    }
    return true;
}
