#pragma once
// The folder list in a report-view list view: column "Folder" (the path), column "Status",
// and a check box on every row. The rows are the list while the program runs.

#include <windows.h>

#include "shell/list_sort.h"
#include "vault/folder_rows.h"

class FolderListView final : public FolderRows, public SortableList {
public:
    bool Create(HWND parent, int controlId, HFONT font);
    HWND Handle() const { return m_hwnd; }

    // Defers repainting while many rows change, e.g. while the list file loads.
    void SetRedraw(bool redraw);
    void SetColumnWidths(int folderWidth, int statusWidth);

    std::size_t Count() const override;
    FolderEntry At(std::size_t index) const override;
    void Append(FolderEntry entry) override;
    bool IsChecked(std::size_t index) const override;
    void SetChecked(std::size_t index, bool checked) override;
    void SetStatus(std::size_t index, const std::string& status) override;
    void Remove(std::size_t index) override;
    std::optional<std::size_t> Selected() const override;

    std::size_t EntryCount() const override { return Count(); }
    int ColumnCount() const override { return 2; }
    ListSortState SortState() const override { return m_sort; }
    Outcome ApplySort(const ListSortState& state) override;

private:
    std::wstring Text(std::size_t index, int column) const;

    HWND m_hwnd = nullptr;
    ListSortState m_sort;
};
