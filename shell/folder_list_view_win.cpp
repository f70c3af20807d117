#include "shell/folder_list_view_win.h"

#include "platform/callback_guard_win.h"

#include <commctrl.h>

#include <windowsx.h>
#include <unordered_set>

#include <algorithm>
#include <numeric>
#include <string>

#include "platform/gdi_win.h"
#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "present/artwork_win.h"
#include "shell/main_layout.h"
#include "shell/path_ellipsis.h"

namespace {

constexpr int kUnchecked = 1;  // state image indices of the check boxes
constexpr int kChecked = 2;

// The row pictures, in the order FolderLook lists them.
constexpr int kPlainFolder = 0;
constexpr int kVeiledFolder = 1;
constexpr int kFadedFolder = 2;
constexpr UINT_PTR kMouseWatchId = 1;

int RowPicture(const FolderEntry& row) {
    if (row.missing) {
        return kFadedFolder;
    }
    return row.status == kStatusHidden ? kVeiledFolder : kPlainFolder;
}

// The list view's kind of comparison: by the user's locale, without regard to case.
int CompareTexts(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                            static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

}  // namespace

FolderListView::FolderListView()
    : m_rows({[](const std::string& text) { return Widen(text); }, CompareTexts}) {}

bool FolderListView::Create(HWND parent, int controlId, HFONT font) {
    m_hwnd = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0,
        100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hwnd) {
        return false;
    }
    ::SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    ::SendMessageW(m_hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    // The check boxes' state comes from the rows too.
    ::SendMessageW(m_hwnd, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    const wchar_t* captions[] = {L"Folder", L"Status"};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_SUBITEM;
        header.pszText = const_cast<wchar_t*>(captions[column]);
        header.iSubItem = column;
        ::SendMessageW(m_hwnd, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
    }
    CreateTooltip(parent);
    ::SetWindowSubclass(m_hwnd, MouseWatchProc, kMouseWatchId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

FolderListView::~FolderListView() {
    if (m_hwnd && ::IsWindow(m_hwnd)) {
        ::RemoveWindowSubclass(m_hwnd, MouseWatchProc, kMouseWatchId);
    }
}

HWND FolderListView::Header() const {
    return reinterpret_cast<HWND>(::SendMessageW(m_hwnd, LVM_GETHEADER, 0, 0));
}

void FolderListView::CreateTooltip(HWND parent) {
    // The full path of the row under the pointer: the list may show it shortened.
    m_tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    if (!m_tooltip) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(m_hwnd);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    ::SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // One line however long the path: it breaks only where it has spaces otherwise.
    ::SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
}

LRESULT FolderListView::WatchPointer(HWND hwnd,
                                     UINT message,
                                     WPARAM wParam,
                                     LPARAM lParam,
                                     UINT_PTR,
                                     DWORD_PTR self) {
    if (message == WM_MOUSEMOVE) {
        auto& list = *reinterpret_cast<FolderListView*>(self);
        const int row = list.RowUnderPointer();
        if (row != list.m_tipRow) {
            // Another row: the tip of the last one goes, and the new one's comes after the
            // usual pause.
            list.m_tipRow = row;
            ::SendMessageW(list.m_tooltip, TTM_POP, 0, 0);
        }
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FolderListView::MouseWatchProc(HWND window,
                                                UINT message,
                                                WPARAM wParam,
                                                LPARAM lParam,
                                                UINT_PTR id,
                                                DWORD_PTR self) {
    return GuardSubclassProc("the list's pointer watch", WatchPointer, window, message, wParam,
                             lParam, id, self);
}

int FolderListView::RowUnderPointer() const {
    LVHITTESTINFO hit{};
    ::GetCursorPos(&hit.pt);
    ::ScreenToClient(m_hwnd, &hit.pt);
    ::SendMessageW(m_hwnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return hit.iItem >= 0 && hit.iSubItem == 0 && (hit.flags & LVHT_ONITEM) ? hit.iItem : -1;
}

void FolderListView::SetDpi(int dpi) {
    m_dpi = dpi;
    const int size = ::MulDiv(16, dpi, 96);
    UniqueImageList pictures(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 3, 0));
    UniqueMemoryDc dc;
    UniqueBitmap strip;
    {
        const WindowDc screen(nullptr);
        dc.Reset(::CreateCompatibleDC(screen.Get()));
        strip.Reset(::CreateCompatibleBitmap(screen.Get(), size * 3, size));
    }
    if (!pictures || !dc || !strip) {
        return;
    }
    constexpr COLORREF kClear = RGB(0xFF, 0x00, 0xFF);
    {
        // The strip is let go of before the image list takes its pictures.
        const SelectedObject selected(dc.Get(), strip.Get());
        const RECT all{0, 0, size * 3, size};
        FillSolid(dc.Get(), all, kClear);
        for (const FolderLook look : {FolderLook::Plain, FolderLook::Veiled, FolderLook::Faded}) {
            const int left = static_cast<int>(look) * size;
            DrawFolderIcon(dc.Get(), {left, 0, left + size, size}, look);
        }
    }
    ::ImageList_AddMasked(pictures.Get(), strip.Get(), kClear);
    // The list owns the one it shows; the one it gives back is ours to let go.
    UniqueImageList replaced(reinterpret_cast<HIMAGELIST>(::SendMessageW(
        m_hwnd, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures.Release()))));
}

void FolderListView::SetRedraw(bool redraw) {
    m_batch = !redraw;
    ::SendMessageW(m_hwnd, WM_SETREDRAW, redraw, 0);
    if (redraw) {
        SyncCount();
        ::InvalidateRect(m_hwnd, nullptr, TRUE);
    }
}

void FolderListView::DeferRowRedraws(bool defer) {
    m_batch = defer;
    if (!defer) {
        SyncCount();  // rows may have gone meanwhile
        ::InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

DeferredRowRedraws::DeferredRowRedraws(FolderListView& list) : m_list(list) {
    m_list.DeferRowRedraws(true);
}

DeferredRowRedraws::~DeferredRowRedraws() {
    m_list.DeferRowRedraws(false);
}

void FolderListView::SetColumnWidths(int folderWidth, int statusWidth, bool fitted) {
    m_folderWidth = folderWidth;
    m_statusWidth = statusWidth;
    m_fitted = fitted;
    FitColumns();
}

void FolderListView::FitColumns() {
    int folderWidth = m_folderWidth;
    if (m_fitted && folderWidth >= 0) {
        RECT client{};
        ::GetClientRect(m_hwnd, &client);  // without the vertical scroll bar, when it shows
        folderWidth = FittedFolderColumn(folderWidth, std::max(0, m_statusWidth), client.right,
                                         ::MulDiv(48, m_dpi, 96));
    }
    // Widths of -1 and -2 would ask for automatic sizing; a negative width is not applied.
    if (folderWidth >= 0 && ::SendMessageW(m_hwnd, LVM_GETCOLUMNWIDTH, 0, 0) != folderWidth) {
        ::SendMessageW(m_hwnd, LVM_SETCOLUMNWIDTH, 0, folderWidth);
    }
    if (m_statusWidth >= 0 && ::SendMessageW(m_hwnd, LVM_GETCOLUMNWIDTH, 1, 0) != m_statusWidth) {
        ::SendMessageW(m_hwnd, LVM_SETCOLUMNWIDTH, 1, m_statusWidth);
    }
}

void FolderListView::SyncCount() {
    if (!m_batch) {
        ::SendMessageW(m_hwnd, LVM_SETITEMCOUNT, m_rows.Count(), LVSICF_NOSCROLL);
        if (m_rows.Count() <= 1) {
            ::InvalidateRect(m_hwnd, nullptr, TRUE);  // the empty list's hint comes or goes
        }
        FitColumns();  // the vertical scroll bar may have come or gone
    }
}

void FolderListView::RedrawRow(std::size_t index) {
    if (m_batch) {
        return;  // the whole list is repainted when the batch ends
    }
    ::SendMessageW(m_hwnd, LVM_REDRAWITEMS, index, index);
}

void FolderListView::Append(FolderEntry entry) {
    const bool atTheEnd = m_rows.Append(std::move(entry)) + 1 == m_rows.Count();
    if (!atTheEnd) {
        ClearSelection();  // kept by position, which has just moved
    }
    SyncCount();
    if (!atTheEnd) {
        ::InvalidateRect(m_hwnd, nullptr, TRUE);
    }
}

void FolderListView::ClearSelection() {
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    ::SendMessageW(m_hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&none));
}

std::vector<std::size_t> FolderListView::SelectedRows() const {
    std::vector<std::size_t> selected;
    for (int row = -1;
         (row = static_cast<int>(::SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                LVNI_SELECTED))) >= 0;) {
        selected.push_back(static_cast<std::size_t>(row));
    }
    return selected;
}

void FolderListView::SetChecked(std::size_t index, bool checked) {
    m_rows.SetChecked(index, checked);
    RedrawRow(index);
}

void FolderListView::SetStatus(std::size_t index, const std::string& status) {
    // No re-sort here: the commands walk the rows by position while they change statuses.
    m_rows.SetStatus(index, status);
    RedrawRow(index);
}

void FolderListView::RemoveRows(const std::vector<std::size_t>& ascending) {
    if (ascending.empty()) {
        return;
    }
    // The control's selection is by position: it follows the rows that stay.
    const std::vector<std::size_t> selected = SelectedRows();
    const int focused = static_cast<int>(
        ::SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    m_rows.RemoveRows(ascending);
    // A tip showing over the list may be of a row that has gone.
    ::SendMessageW(m_tooltip, TTM_POP, 0, 0);
    m_tipRow = -1;
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(m_hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&none));
    // Now, even while row repaints wait: the selection below is set by the new positions.
    ::SendMessageW(m_hwnd, LVM_SETITEMCOUNT, m_rows.Count(), LVSICF_NOSCROLL);
    SyncCount();
    const auto keep = [&](std::size_t row, UINT state) {
        if (const long place = FolderRowModel::PlaceAfterRemoval(row, ascending); place >= 0) {
            LVITEMW item{};
            item.state = state;
            item.stateMask = state;
            ::SendMessageW(m_hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(place),
                           reinterpret_cast<LPARAM>(&item));
        }
    };
    for (const std::size_t row : selected) {
        keep(row, LVIS_SELECTED);
    }
    if (focused >= 0) {
        keep(static_cast<std::size_t>(focused), LVIS_FOCUSED);
    }
    ::InvalidateRect(m_hwnd, nullptr, TRUE);
}

void FolderListView::SetMissing(std::size_t index, bool missing) {
    m_rows.SetMissing(index, missing);
    RedrawRow(index);
}

LRESULT FolderListView::CustomDraw(NMLVCUSTOMDRAW& draw, LRESULT atPrepaint) const {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            m_painting = true;
            m_labelWidth = -1;  // the column may have changed since the last paint
            return atPrepaint | CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        case CDDS_POSTPAINT:
            m_painting = false;
            if (m_rows.Count() == 0) {
                DrawEmptyHint(draw.nmcd.hdc);
            }
            return CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT: {
            // A folder found under neither name is greyed: listed still, but not there now.
            const std::size_t index = draw.nmcd.dwItemSpec;
            if (index < m_rows.Count() && m_rows.Row(index).missing) {
                draw.clrText = ::GetSysColor(COLOR_GRAYTEXT);
                return CDRF_NEWFONT;
            }
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

std::wstring FolderListView::ShortenedPath(int row, const std::wstring& path) const {
    if (m_labelWidth < 0) {
        // Every row's label is as wide as the first column leaves it: one look a paint. The
        // list asks for the row again to answer, and that answer must not be shortened.
        RECT label{};
        label.top = 0;  // the row's first column
        label.left = LVIR_LABEL;
        m_painting = false;
        const bool found =
            ::SendMessageW(m_hwnd, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&label));
        m_painting = true;
        if (!found) {
            return path;
        }
        // The list leaves a margin on either side of a label's text.
        m_labelWidth =
            std::max(0, static_cast<int>(label.right - label.left) - ::MulDiv(12, m_dpi, 96));
    }
    const int width = m_labelWidth;
    const WindowDc list(m_hwnd);
    const HDC dc = list.Get();
    const SelectedObject selected(
        dc, reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    return ShortenInTheMiddle(path, width, [dc](const std::wstring& text) {
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    });
}

void FolderListView::DrawEmptyHint(HDC dc) const {
    RECT area{};
    ::GetClientRect(m_hwnd, &area);
    RECT header{};
    ::GetWindowRect(reinterpret_cast<HWND>(::SendMessageW(m_hwnd, LVM_GETHEADER, 0, 0)), &header);
    area.top += header.bottom - header.top;
    area.bottom = area.top + (area.bottom - area.top) / 2;  // in the upper half, where eyes go
    const SelectedObject selected(
        dc, reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    ::DrawTextW(dc, kEmptyListHint, -1, &area,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

std::optional<std::size_t> FolderListView::Selected() const {
    // Of several selected rows, the one with the focus: the one last clicked.
    auto index = ::SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                LVNI_SELECTED | LVNI_FOCUSED);
    if (index < 0) {
        index = ::SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    }
    if (index < 0 || static_cast<std::size_t>(index) >= m_rows.Count()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

Outcome FolderListView::ApplySort(const ListSortState& state) {
    m_rows.Sort(state);
    ShowSortArrow();
    ClearSelection();
    ::InvalidateRect(m_hwnd, nullptr, TRUE);
    return Outcome::Success();
}

void FolderListView::ShowSortArrow() const {
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(m_hwnd, LVM_GETHEADER, 0, 0));
    for (int column = 0; column < ColumnCount(); ++column) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        ::SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        const ListSortState sort = m_rows.SortState();
        if (sort.sorted && sort.sortKey == column) {
            item.fmt |= sort.sortOrder == SortOrder::Descending ? HDF_SORTDOWN : HDF_SORTUP;
        }
        ::SendMessageW(header, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&item));
    }
}

bool FolderListView::AnyTicked() const {
    for (std::size_t i = 0; i < m_rows.Count(); ++i) {
        if (m_rows.Row(i).checked) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> FolderListView::TickHighlightedWhenNoneTicked() {
    if (AnyTicked()) {
        return {};
    }
    std::vector<std::string> paths;
    for (const std::size_t row : SelectedRows()) {
        SetChecked(row, true);
        paths.push_back(m_rows.Row(row).path);
    }
    return paths;
}

void FolderListView::UntickPaths(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return;
    }
    const std::unordered_set<std::string> wanted(paths.begin(), paths.end());
    for (std::size_t i = 0; i < m_rows.Count(); ++i) {
        if (m_rows.Row(i).checked && wanted.count(m_rows.Row(i).path)) {
            SetChecked(i, false);
        }
    }
}

void FolderListView::FocusFirstRowIfNone() {
    if (m_rows.Count() == 0 ||
        ::SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) >= 0) {
        return;
    }
    LVITEMW item{};
    item.state = LVIS_FOCUSED;
    item.stateMask = LVIS_FOCUSED;
    ::SendMessageW(m_hwnd, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
}

void FolderListView::ToggleFocusedRow() {
    ToggleChecked(static_cast<int>(
        ::SendMessageW(m_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
}

void FolderListView::ToggleChecked(int index) {
    if (index < 0) {
        return;
    }
    for (const std::size_t row :
         m_rows.ToggleTick(static_cast<std::size_t>(index), SelectedRows())) {
        RedrawRow(row);
    }
}

bool FolderListView::HandleNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& item =
                const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item;
            if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= m_rows.Count()) {
                return true;
            }
            const FolderEntry& row = m_rows.Row(static_cast<std::size_t>(item.iItem));
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                std::wstring text = Widen(item.iSubItem == 0 ? row.path : row.status);
                // Shortened only on screen: whoever asks for the text outside a paint gets all.
                if (item.iSubItem == 0 && m_painting) {
                    text = ShortenedPath(item.iItem, text);
                }
                lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
            }
            if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) {
                item.iImage = RowPicture(row);
            }
            if (item.mask & LVIF_STATE) {
                item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                             INDEXTOSTATEIMAGEMASK(row.checked ? kChecked : kUnchecked);
                item.stateMask |= LVIS_STATEIMAGEMASK;
            }
            return true;
        }
        case NM_CLICK: {
            // A virtual list keeps no check box state of its own: a click on the box ticks it.
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            LVHITTESTINFO hit{};
            hit.pt = click.ptAction;
            ::SendMessageW(m_hwnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) {
                ToggleChecked(hit.iItem);
            }
            return true;
        }
        case LVN_KEYDOWN:
            return true;
        case LVN_ODFINDITEMW:
            result = -1;
            return true;
        case TTN_GETDISPINFOW: {
            if (header.hwndFrom != m_tooltip) {
                return false;
            }
            auto& tip = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
            const int row = RowUnderPointer();
            m_tipRow = row;
            m_tipText = row >= 0 && static_cast<std::size_t>(row) < m_rows.Count()
                            ? Widen(m_rows.Row(static_cast<std::size_t>(row)).path)
                            : std::wstring();
            tip.lpszText = m_tipText.data();  // an empty text shows no tip
            tip.hinst = nullptr;
            return true;
        }
        default:
            return false;
    }
}
