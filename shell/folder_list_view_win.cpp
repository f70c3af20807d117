#include "shell/folder_list_view_win.h"

#include <commctrl.h>

#include "platform/system_error_win.h"
#include "platform/text_win.h"

namespace {

struct SortContext {
    HWND list;
    int column;
    bool descending;
};

std::wstring ItemText(HWND list, int index, int column) {
    std::wstring text(260, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(
            ::SendMessageW(list, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// The list view's own kind of comparison: by the user's locale, without regard to case.
int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM context) {
    const auto* sort = reinterpret_cast<const SortContext*>(context);
    const std::wstring a = ItemText(sort->list, static_cast<int>(first), sort->column);
    const std::wstring b = ItemText(sort->list, static_cast<int>(second), sort->column);
    const int order =
        ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                         static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size())) -
        CSTR_EQUAL;
    return sort->descending ? -order : order;
}

}  // namespace

bool FolderListView::Create(HWND parent, int controlId, HFONT font) {
    m_hwnd = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, 0, 0,
        100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hwnd) {
        return false;
    }
    ::SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    ::SendMessageW(m_hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    const wchar_t* captions[] = {L"Folder", L"Status"};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_SUBITEM;
        header.pszText = const_cast<wchar_t*>(captions[column]);
        header.iSubItem = column;
        ::SendMessageW(m_hwnd, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
    }
    return true;
}

void FolderListView::SetRedraw(bool redraw) {
    ::SendMessageW(m_hwnd, WM_SETREDRAW, redraw, 0);
    if (redraw) {
        ::InvalidateRect(m_hwnd, nullptr, TRUE);
    }
}

void FolderListView::SetColumnWidths(int folderWidth, int statusWidth) {
    // Widths of -1 and -2 would ask for automatic sizing; a negative width is not applied.
    if (folderWidth >= 0) {
        ::SendMessageW(m_hwnd, LVM_SETCOLUMNWIDTH, 0, folderWidth);
    }
    if (statusWidth >= 0) {
        ::SendMessageW(m_hwnd, LVM_SETCOLUMNWIDTH, 1, statusWidth);
    }
}

std::wstring FolderListView::Text(std::size_t index, int column) const {
    return ItemText(m_hwnd, static_cast<int>(index), column);
}

std::size_t FolderListView::Count() const {
    return static_cast<std::size_t>(::SendMessageW(m_hwnd, LVM_GETITEMCOUNT, 0, 0));
}

FolderEntry FolderListView::At(std::size_t index) const {
    return {Narrow(Text(index, 0)), Narrow(Text(index, 1)), IsChecked(index)};
}

void FolderListView::Append(FolderEntry entry) {
    std::wstring path = Widen(entry.path);
    std::wstring status = Widen(entry.status);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(Count());
    item.pszText = path.data();
    const auto index = ::SendMessageW(m_hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (index < 0) {
        return;
    }
    LVITEMW sub{};
    sub.iSubItem = 1;
    sub.pszText = status.data();
    ::SendMessageW(m_hwnd, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&sub));
    if (entry.checked) {
        SetChecked(static_cast<std::size_t>(index), true);
    }
    if (m_sort.sorted) {
        (void)ApplySort(m_sort);  // a new row takes its place in the sorted order
    }
}

bool FolderListView::IsChecked(std::size_t index) const {
    const auto state =
        ::SendMessageW(m_hwnd, LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK;
    return (state >> 12) == 2;
}

void FolderListView::SetChecked(std::size_t index, bool checked) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    ::SendMessageW(m_hwnd, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void FolderListView::SetStatus(std::size_t index, const std::string& status) {
    std::wstring text = Widen(status);
    LVITEMW sub{};
    sub.iSubItem = 1;
    sub.pszText = text.data();
    // No re-sort here: the commands walk the rows by position while they change statuses.
    ::SendMessageW(m_hwnd, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&sub));
}

void FolderListView::Remove(std::size_t index) {
    ::SendMessageW(m_hwnd, LVM_DELETEITEM, index, 0);
}

std::optional<std::size_t> FolderListView::Selected() const {
    const auto index =
        ::SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

Outcome FolderListView::ApplySort(const ListSortState& state) {
    SortContext context{m_hwnd, state.sortKey, state.sortOrder == SortOrder::Descending};
    if (!::SendMessageW(m_hwnd, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(&context),
                        reinterpret_cast<LPARAM>(CompareRows))) {
        return Outcome::Failure(RuntimeErrorFromWin32(ERROR_INVALID_PARAMETER));
    }
    m_sort = state;
    return Outcome::Success();
}
