#pragma once
// The main window's folder rows with no window attached: the entries in the order shown, their
// ticks, words and missing marks, the sort order, and the list file's kept lines. The list
// view only shows them and asks for what to paint.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "shell/list_sort.h"
#include "vault/folder_entry.h"

class FolderRowModel {
public:
    // How the user's locale orders texts: each text's sort key, made once a row, and the order
    // of two keys (below zero when `a` comes first).
    struct TextOrder {
        std::function<std::wstring(const std::string& text)> key;
        std::function<int(const std::wstring& a, const std::wstring& b)> compare;
    };

    explicit FolderRowModel(TextOrder order) : m_order(std::move(order)) {}

    std::size_t Count() const { return m_rows.size(); }
    const FolderEntry& Row(std::size_t index) const { return m_rows.at(index); }

    // At the end, or while the rows are sorted, in its place: after the rows that equal it.
    // The result is where it went.
    std::size_t Append(FolderEntry entry);
    void SetChecked(std::size_t index, bool checked) { m_rows.at(index).checked = checked; }
    void SetStatus(std::size_t index, const std::string& status) {
        m_rows.at(index).status = status;
    }
    void SetMissing(std::size_t index, bool missing) { m_rows.at(index).missing = missing; }
    // The rows whose tick a click on the box of `index` turns: all the selected ones when it is
    // one of them (as in Explorer), else that one alone. All take the new tick of `index`.
    std::vector<std::size_t> ToggleTick(std::size_t index,
                                        const std::vector<std::size_t>& selected);

    // Takes out the rows at `ascending` positions, their kept lines passed on.
    void RemoveRows(const std::vector<std::size_t>& ascending);
    // Where a row at `index` before RemoveRows(`ascending`) is after it; -1 when it was taken.
    static long PlaceAfterRemoval(std::size_t index, const std::vector<std::size_t>& ascending);

    const std::string& KeptTail() const { return m_keptTail; }
    void SetKeptTail(std::string tail) { m_keptTail = std::move(tail); }

    ListSortState SortState() const { return m_sort; }
    // Sorts by the state's column and order; rows that equal each other keep their order.
    void Sort(const ListSortState& state);

private:
    const std::string& SortText(const FolderEntry& entry, int sortKey) const;

    TextOrder m_order;
    std::vector<FolderEntry> m_rows;
    std::string m_keptTail;
    ListSortState m_sort;
};
