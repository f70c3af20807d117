// The folder list as a user meets it: folders dragged from another program, row pictures,
// full paths on hover, and columns that fit and keep the widths the user gives them.

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/com_ptr_win.h"
#include "tests/e2e/main_window_fixture.h"

namespace {

// File names offered as Explorer offers them: CF_HDROP in global memory.
class FileNamesData final : public IDataObject {
public:
    explicit FileNamesData(std::vector<std::wstring> names) : m_names(std::move(names)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_references; }  // on the stack

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) {
            return DV_E_FORMATETC;
        }
        std::wstring list;
        for (const auto& name : m_names) {
            list += name;
            list.push_back(L'\0');
        }
        list.push_back(L'\0');
        const SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
        const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
        auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
        ::GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL)
                   ? S_OK
                   : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) {
            return E_NOTIMPL;
        }
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return ::SHCreateStdEnumFmtEtc(1, &format, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    std::vector<std::wstring> m_names;
    ULONG m_references = 1;
};

// Holds the drag over the pointer's place for a few rounds of the drag loop, then lets go, as
// a hand releasing the mouse button would.
class ReleasingSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
        if (escape) {
            return DRAGDROP_S_CANCEL;
        }
        return ++m_rounds < 6 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    int m_rounds = 0;
};

class ListViewTest : public MainWindowTest {
protected:
    int ColumnWidth(int column) const {
        return static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    }
    void MovePointerTo(int x, int y) {
        XdoTool(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y));
    }
};

}  // namespace

TEST_F(ListViewTest, DroppedFoldersAreAddedInOrderAndFilesLeftOut) {
    scratch.MakeFolder(L"Tax");
    scratch.MakeFolder(L"Letters");
    scratch.WriteFile(L"notes.txt", "a file, not a folder");
    PrepareList({});
    Start();
    RECT area{};
    ::GetWindowRect(list, &area);
    ::SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);

    ComApartment com;
    FileNamesData data(
        {scratch.PathOf(L"Tax"), scratch.PathOf(L"notes.txt"), scratch.PathOf(L"Letters")});
    ReleasingSource source;
    DWORD effect = DROPEFFECT_NONE;
    ASSERT_EQ(::DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK));

    ASSERT_TRUE(WaitForStatus(L"Added: " + scratch.PathOf(L"Letters")));
    EXPECT_EQ(ReadRows(list),
              (std::vector<RemoteRow>{{scratch.PathOf(L"Tax"), L"Visible", false},
                                      {scratch.PathOf(L"Letters"), L"Visible", false}}));
    EXPECT_EQ(SavedList(), (std::vector<StoredEntry>{{Scratch(L"Tax"), "Visible"},
                                                     {Scratch(L"Letters"), "Visible"}}));
}

TEST_F(ListViewTest, DroppedFolderHoldingTheProgramIsRefusedWithAddsMessage) {
    PrepareList({});
    Start();
    RECT area{};
    ::GetWindowRect(list, &area);
    ::SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    ComApartment com;
    FileNamesData data({L"C:\\"});  // the drive the program folder is on
    ReleasingSource source;
    DWORD effect = DROPEFFECT_NONE;
    ASSERT_EQ(::DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect),
              DRAGDROP_S_DROP);
    const SeenBox box = AnswerMessageBox(Pid(), IDOK);
    EXPECT_EQ(box.text, L"You cannot hide a folder that contains this program.");
    EXPECT_TRUE(ReadRows(list).empty());
}

TEST_F(ListViewTest, HoveringARowShowsItsFullPath) {
    const std::string longPath =
        "C:\\Users\\Someone\\Documents\\Kestrelby Projects\\Archive 2019\\Quarterly Reports "
        "and Letters to the Tax Office";
    PrepareList({{"C:\\Tax", "Visible"}, {longPath, "Visible"}});
    Start();
    // Asked for, the text is whole; only the painting shortens it.
    EXPECT_EQ(ReadRows(list)[1].path, Widen(longPath));
    const RECT row = RowRectOnScreen(list, 1);
    MovePointerTo(row.left + 120, (row.top + row.bottom) / 2);
    MovePointerTo(row.left + 124, (row.top + row.bottom) / 2);
    HWND tip = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        tip = nullptr;
        for (HWND candidate = nullptr;
             (candidate = ::FindWindowExW(nullptr, candidate, TOOLTIPS_CLASSW, nullptr));) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(candidate, &owner);
            if (owner == Pid() && ::IsWindowVisible(candidate) && !TextOf(candidate).empty()) {
                tip = candidate;
            }
        }
        return tip != nullptr;
    }));
    EXPECT_EQ(TextOf(tip), Widen(longPath));
}

TEST_F(ListViewTest, ColumnsFitAndTheWidthsTheUserDragsAreKept) {
    std::vector<StoredEntry> many;
    for (int i = 0; i < 60; ++i) {
        many.push_back({"C:\\Folder " + std::to_string(i), "Visible"});
    }
    PrepareList(many);
    Start();
    // Sixty rows need the vertical scroll bar; the columns then fit beside it.
    RECT client{};
    ::GetClientRect(list, &client);
    EXPECT_TRUE(::GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(::GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL);
    EXPECT_LE(ColumnWidth(0) + ColumnWidth(1), client.right);

    // The user drags the divider between the two columns 60 pixels to the left.
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    RECT first{};
    ::GetWindowRect(header, &first);
    first.right = first.left + ColumnWidth(0);  // the divider, with the list scrolled to its left
    const int y = (first.top + first.bottom) / 2;
    const int folderBefore = ColumnWidth(0);
    const int statusBefore = ColumnWidth(1);
    XdoTool(L"mousemove " + std::to_wstring(first.right - 1) + L" " + std::to_wstring(y) +
            L" mousedown 1 mousemove " + std::to_wstring(first.right - 30) + L" " +
            std::to_wstring(y) + L" mousemove " + std::to_wstring(first.right - 61) + L" " +
            std::to_wstring(y) + L" mouseup 1");
    ASSERT_TRUE(WaitUntil([&] { return ColumnWidth(0) < folderBefore - 40; }));
    const int dragged = ColumnWidth(0);
    EXPECT_EQ(ColumnWidth(1), statusBefore);

    // A resize keeps them; so does a restart.
    RECT outer{};
    ::GetWindowRect(window, &outer);
    ::SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + 120, outer.bottom - outer.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    ::Sleep(300);
    EXPECT_NEAR(ColumnWidth(0), dragged, 1);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(program->WaitForExit(), 0);
    program = std::make_unique<ProgramRun>(programFolder);
    AttachToWindow();
    EXPECT_NEAR(ColumnWidth(0), dragged, 1);
    EXPECT_NEAR(ColumnWidth(1), statusBefore, 1);
}

TEST_F(ListViewTest, EachRowShowsItsStateInItsPicture) {
    scratch.MakeFolder(L"Open");
    scratch.MakeFolder(L"VeiledHIDDEN123456");
    PrepareList({{Scratch(L"Open"), "Visible"},
                 {Scratch(L"Veiled"), "Hidden"},
                 {Scratch(L"Gone"), "Visible"}});
    Start();
    ASSERT_TRUE(WaitUntil([&] { return ReadRows(list).size() == 3; }));
    ::Sleep(1500);  // the look at the disk marks the missing one
    // The picture sits between the check box and the text.
    const auto pictureColours = [&](int index) {
        RECT cell = CellRectOnScreen(list, index, 0);
        RECT row = RowRectOnScreen(list, index);
        const HDC screen = ::GetDC(nullptr);
        int veil = 0;
        int paper = 0;
        int grey = 0;
        for (int y = row.top; y < row.bottom; ++y) {
            for (int x = cell.left - (row.bottom - row.top) - 4; x < cell.left; ++x) {
                const COLORREF colour = ::GetPixel(screen, x, y);
                const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
                veil += r < 0x40 && g > 0x30 && g < 0x50 && b > 0x40 && b < 0x60;
                paper += r > 0xD0 && g > 0xB0 && g < 0xD8 && b < 0x90;
                grey += r == g && g == b && r > 0xC8 && r < 0xE8;
            }
        }
        ::ReleaseDC(nullptr, screen);
        return std::vector<int>{veil, paper, grey};
    };
    const auto open = pictureColours(0);
    const auto veiled = pictureColours(1);
    const auto gone = pictureColours(2);
    EXPECT_EQ(open[0], 0);
    EXPECT_GT(open[1], 20);
    EXPECT_GT(veiled[0], 10);
    EXPECT_GT(veiled[1], 10);
    EXPECT_EQ(gone[1], 0);
    EXPECT_GT(gone[2], 20);
}
