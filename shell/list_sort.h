#pragma once
// Sorting the folder list by a clicked column header: every click flips the order, whichever
// column it is on.

#include <cstddef>

#include "platform/outcome.h"
#include "platform/prompter.h"

enum class SortOrder { Ascending = 0, Descending = 1 };

struct ListSortState {
    bool sorted = false;
    int sortKey = 0;  // 0: the "Folder" text; 1: the "Status" sub-item
    // Before the first click: descending, so that the first click sorts ascending.
    SortOrder sortOrder = SortOrder::Descending;

    friend bool operator==(const ListSortState&, const ListSortState&) = default;
};

class SortableList {
public:
    virtual ~SortableList() = default;
    virtual std::size_t EntryCount() const = 0;
    virtual int ColumnCount() const = 0;
    virtual ListSortState SortState() const = 0;
    virtual Outcome ApplySort(const ListSortState& state) = 0;
};

// `columnIndex` is the clicked header's 1-based index. True when every step completed (also
// for an empty list, which stays as it is); a failure is shown only when `showErrors` is set.
bool EnhListViewSortColumns(SortableList& list,
                            int columnIndex,
                            bool showErrors,
                            Prompter& prompter);
