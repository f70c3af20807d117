#include "shell/folder_row_model.h"

#include <algorithm>
#include <numeric>

const std::string& FolderRowModel::SortText(const FolderEntry& entry, int sortKey) const {
    return sortKey == 0 ? entry.path : entry.status;
}

std::size_t FolderRowModel::Append(FolderEntry entry) {
    if (!m_sort.sorted) {
        m_rows.push_back(std::move(entry));
        return m_rows.size() - 1;
    }
    const std::wstring key = m_order.key(SortText(entry, m_sort.sortKey));
    const bool descending = m_sort.sortOrder == SortOrder::Descending;
    const auto place = std::find_if(m_rows.begin(), m_rows.end(), [&](const FolderEntry& row) {
        const int order = m_order.compare(key, m_order.key(SortText(row, m_sort.sortKey)));
        return descending ? order > 0 : order < 0;
    });
    const auto index = static_cast<std::size_t>(place - m_rows.begin());
    m_rows.insert(place, std::move(entry));
    return index;
}

std::vector<std::size_t> FolderRowModel::ToggleTick(std::size_t index,
                                                    const std::vector<std::size_t>& selected) {
    if (index >= m_rows.size()) {
        return {};
    }
    const bool tick = !m_rows[index].checked;
    std::vector<std::size_t> turned;
    if (std::find(selected.begin(), selected.end(), index) == selected.end()) {
        turned.push_back(index);
    } else {
        for (const std::size_t row : selected) {
            if (row < m_rows.size()) {
                turned.push_back(row);
            }
        }
    }
    for (const std::size_t row : turned) {
        m_rows[row].checked = tick;
    }
    return turned;
}

void FolderRowModel::RemoveRows(const std::vector<std::size_t>& ascending) {
    RemoveRowsKeepingLines(m_rows, m_keptTail, ascending);
}

long FolderRowModel::PlaceAfterRemoval(std::size_t index,
                                       const std::vector<std::size_t>& ascending) {
    const auto at = std::lower_bound(ascending.begin(), ascending.end(), index);
    if (at != ascending.end() && *at == index) {
        return -1;
    }
    return static_cast<long>(index) - static_cast<long>(at - ascending.begin());
}

void FolderRowModel::Sort(const ListSortState& state) {
    std::vector<std::wstring> keys;
    keys.reserve(m_rows.size());
    for (const auto& row : m_rows) {
        keys.push_back(m_order.key(SortText(row, state.sortKey)));
    }
    std::vector<std::size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    const bool descending = state.sortOrder == SortOrder::Descending;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int comparison = m_order.compare(keys[a], keys[b]);
        return descending ? comparison > 0 : comparison < 0;
    });
    std::vector<FolderEntry> sorted;
    sorted.reserve(m_rows.size());
    for (const std::size_t index : order) {
        sorted.push_back(std::move(m_rows[index]));
    }
    m_rows = std::move(sorted);
    m_sort = state;
}
