#pragma once
// The folder list in a report-view list view: column "Folder" (the path), column "Status",
// and a check box on every row. The rows live in a FolderRowModel; the control only shows
// them (a virtual list), which keeps large lists small and quick to load, and keeps the
// selection.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "shell/folder_row_model.h"
#include "shell/list_sort.h"
#include "vault/folder_rows.h"

inline constexpr wchar_t kEmptyListHint[] = L"Click Add to choose a folder to hide";

class FolderListView;

// Row repaints deferred for as long as it lives (FolderListView::DeferRowRedraws).
class DeferredRowRedraws {
public:
    explicit DeferredRowRedraws(FolderListView& list);
    ~DeferredRowRedraws();
    DeferredRowRedraws(const DeferredRowRedraws&) = delete;
    DeferredRowRedraws& operator=(const DeferredRowRedraws&) = delete;

private:
    FolderListView& m_list;
};

class FolderListView final : public FolderRows, public SortableList {
public:
    FolderListView();
    ~FolderListView();
    bool Create(HWND parent, int controlId, HFONT font);
    HWND Handle() const { return m_hwnd; }
    HWND Header() const;
    // The row pictures (folder, veiled folder, faded folder) drawn for `dpi`.
    void SetDpi(int dpi);

    // Defers repainting and row counting while many rows change, e.g. while the list loads.
    void SetRedraw(bool redraw);
    // While a command changes many rows: no repaint per row (each costs a trip to the system),
    // one for the whole list when it ends. The list still paints, e.g. behind a message box.
    void DeferRowRedraws(bool defer);
    // Pixels. With `fitted`, the folder column is narrowed while the two would need a
    // horizontal scroll bar, and follows the vertical one as rows come and go; without, the
    // widths stand as given (the user's own).
    void SetColumnWidths(int folderWidth, int statusWidth, bool fitted);
    // The list view's notifications to its parent, and its tooltip's; true when handled, with
    // the result.
    bool HandleNotify(const NMHDR& header, LRESULT& result);

    std::size_t Count() const override { return m_rows.Count(); }
    FolderEntry At(std::size_t index) const override { return m_rows.Row(index); }
    void Append(FolderEntry entry) override;
    bool IsChecked(std::size_t index) const override { return m_rows.Row(index).checked; }
    void SetChecked(std::size_t index, bool checked) override;
    void SetStatus(std::size_t index, const std::string& status) override;
    // All in one: the selection moves with the rows that stay, and the list repaints once.
    void RemoveRows(const std::vector<std::size_t>& ascending) override;
    void SetMissing(std::size_t index, bool missing) override;
    const std::string& KeptTail() const override { return m_rows.KeptTail(); }
    void SetKeptTail(std::string tail) override { m_rows.SetKeptTail(std::move(tail)); }
    // The list's custom drawing: missing folders greyed. `atPrepaint` is what the caller wants
    // at the start of a paint besides the item notifications.
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw, LRESULT atPrepaint) const;
    std::optional<std::size_t> Selected() const override;
    // Space: ticks or unticks the row with the focus, as in any list of check boxes, and with
    // it the other selected rows. Its window takes the key before the list view, which would
    // otherwise make the focused row the only one selected.
    void ToggleFocusedRow();
    // Delete and the row menu act on ticked rows; with none ticked, the highlighted rows are
    // ticked for the command, so that what it acts on is what the user sees. The paths ticked.
    std::vector<std::string> TickHighlightedWhenNoneTicked();
    bool AnyTicked() const;
    // The ticks such a command gave, taken back once it has ended (rows it removed are gone).
    void UntickPaths(const std::vector<std::string>& paths);
    // The first row takes the keyboard's focus rectangle (not the highlight) when no row has
    // it: with the focus in the list, the user sees where the arrows and Space start.
    void FocusFirstRowIfNone();
    // The sorted column's header carries the arrow of its order; the other none.
    void ShowSortArrow() const;

    std::size_t EntryCount() const override { return Count(); }
    int ColumnCount() const override { return 2; }
    ListSortState SortState() const override { return m_rows.SortState(); }
    Outcome ApplySort(const ListSortState& state) override;

private:
    static LRESULT CALLBACK MouseWatchProc(HWND hwnd,
                                           UINT message,
                                           WPARAM wParam,
                                           LPARAM lParam,
                                           UINT_PTR id,
                                           DWORD_PTR self);
    // A new row under the pointer takes its path's tip with it.
    static LRESULT WatchPointer(HWND hwnd,
                                UINT message,
                                WPARAM wParam,
                                LPARAM lParam,
                                UINT_PTR id,
                                DWORD_PTR self);
    void CreateTooltip(HWND parent);
    // The row under the mouse pointer, or -1.
    int RowUnderPointer() const;
    // The folder column's text as painted: a path too long for the column loses its middle.
    std::wstring ShortenedPath(int row, const std::wstring& path) const;
    void FitColumns();
    void SyncCount();
    // Drawn over an empty list, so that a new user sees where to start.
    void DrawEmptyHint(HDC dc) const;
    void RedrawRow(std::size_t index);
    void ToggleChecked(int index);
    std::vector<std::size_t> SelectedRows() const;
    void ClearSelection();

    HWND m_hwnd = nullptr;
    HWND m_tooltip = nullptr;  // destroyed with the list, its owner
    int m_tipRow = -1;
    std::wstring m_tipText;
    mutable bool m_painting = false;  // between a paint's first and last custom-draw stage
    mutable int m_labelWidth = -1;    // the first column's text width in this paint, once known
    int m_dpi = 96;
    int m_folderWidth = -1;
    int m_statusWidth = -1;
    bool m_fitted = true;
    FolderRowModel m_rows;
    bool m_batch = false;
};
