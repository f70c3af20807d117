#include "tests/e2e/remote_controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/unique_resource_win.h"

namespace {

// A block of memory in the process that owns `window`.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, std::size_t size) : m_size(size) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        m_process.Reset(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                      FALSE, processId));
        if (!m_process) {
            throw std::runtime_error("cannot open the program's process");
        }
        m_address = ::VirtualAllocEx(m_process.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                     PAGE_READWRITE);
        if (!m_address) {
            throw std::runtime_error("cannot allocate in the program's process");
        }
    }
    ~RemoteBuffer() { ::VirtualFreeEx(m_process.Get(), m_address, 0, MEM_RELEASE); }

    void* Address(std::size_t offset = 0) const { return static_cast<char*>(m_address) + offset; }
    void Write(const void* data, std::size_t size, std::size_t offset = 0) {
        ::WriteProcessMemory(m_process.Get(), Address(offset), data, size, nullptr);
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) const {
        ::ReadProcessMemory(m_process.Get(), Address(offset), data, size, nullptr);
    }

private:
    UniqueKernelHandle m_process;
    void* m_address = nullptr;
    std::size_t m_size;
};

constexpr std::size_t kTextOffset = 256;
constexpr int kTextCapacity = 2048;

std::wstring ItemText(HWND list, RemoteBuffer& buffer, int index, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = static_cast<wchar_t*>(buffer.Address(kTextOffset));
    item.cchTextMax = kTextCapacity;
    buffer.Write(&item, sizeof(item));
    const auto length =
        ::SendMessageW(list, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(buffer.Address()));
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    buffer.Read(text.data(), text.size() * sizeof(wchar_t), kTextOffset);
    return text;
}

struct DialogSearch {
    DWORD processId;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, 64);
    if (owner == search->processId && window != search->except && ::IsWindowVisible(window) &&
        wcscmp(className, L"#32770") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessDialog(DWORD processId, HWND except) {
    DialogSearch search{processId, except, nullptr};
    ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring LongestStaticText(HWND box) {
    std::wstring best;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        ::GetClassNameW(child, className, 64);
        if (_wcsicmp(className, L"Static") == 0) {
            std::wstring text = TextOf(child);
            if (text.size() > best.size()) {
                best = std::move(text);
            }
        }
    }
    return best;
}

}  // namespace

std::vector<RemoteRow> ReadRows(HWND list) {
    RemoteBuffer buffer(list, kTextOffset + kTextCapacity * sizeof(wchar_t));
    const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<RemoteRow> rows;
    for (int i = 0; i < count; ++i) {
        const auto state = ::SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK);
        rows.push_back({ItemText(list, buffer, i, 0), ItemText(list, buffer, i, 1),
                        ((state & LVIS_STATEIMAGEMASK) >> 12) == 2});
    }
    return rows;
}

void SetRowChecked(HWND list, int index, bool checked) {
    if (ReadRows(list).at(static_cast<std::size_t>(index)).checked == checked) {
        return;
    }
    // A click on the row's check box, at the left end of the row.
    const RECT row = RowRectOnScreen(list, index);
    XdoTool(L"mousemove " + std::to_wstring(row.left + 10) + L" " +
            std::to_wstring((row.top + row.bottom) / 2) + L" click 1");
    WaitUntil([&] { return ReadRows(list).at(static_cast<std::size_t>(index)).checked == checked; },
              3000);
}

void SelectRow(HWND list, int index) {
    RemoteBuffer buffer(list, sizeof(LVITEMW));
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(&item, sizeof(item));
    ::SendMessageW(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(buffer.Address()));
}

std::vector<std::wstring> ReadColumnHeaders(HWND list) {
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    RemoteBuffer buffer(list, kTextOffset + kTextCapacity * sizeof(wchar_t));
    std::vector<std::wstring> captions;
    const int count = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = static_cast<wchar_t*>(buffer.Address(kTextOffset));
        item.cchTextMax = kTextCapacity;
        buffer.Write(&item, sizeof(item));
        ::SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(buffer.Address()));
        wchar_t text[256] = {};
        buffer.Read(text, sizeof(text) - sizeof(wchar_t), kTextOffset);
        captions.emplace_back(text);
    }
    return captions;
}

std::wstring ReadStatusText(HWND statusBar) {
    const auto length = LOWORD(::SendMessageW(statusBar, SB_GETTEXTLENGTHW, 0, 0));
    RemoteBuffer buffer(statusBar, (length + 1) * sizeof(wchar_t));
    ::SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buffer.Address()));
    std::wstring text(length, L'\0');
    buffer.Read(text.data(), length * sizeof(wchar_t));
    return text;
}

int SortArrowOf(HWND list, int column) {
    const HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    RemoteBuffer buffer(header, sizeof(HDITEMW));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    buffer.Write(&item, sizeof(item));
    ::SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(buffer.Address()));
    buffer.Read(&item, sizeof(item));
    return (item.fmt & HDF_SORTUP) ? 1 : (item.fmt & HDF_SORTDOWN) ? -1 : 0;
}

RECT CellRectOnScreen(HWND list, int row, int column) {
    RemoteBuffer buffer(list, sizeof(RECT));
    RECT rect{LVIR_LABEL, column, 0, 0};
    buffer.Write(&rect, sizeof(rect));
    ::SendMessageW(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(buffer.Address()));
    buffer.Read(&rect, sizeof(rect));
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT RowRectOnScreen(HWND list, int index) {
    RemoteBuffer buffer(list, sizeof(RECT));
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    buffer.Write(&rect, sizeof(rect));
    ::SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(buffer.Address()));
    buffer.Read(&rect, sizeof(rect));
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring TextOf(HWND window) {
    wchar_t text[4096] = {};
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 5000, &ignored);
    return text;
}

HWND ChildById(HWND parent, int id) {
    return ::GetDlgItem(parent, id);
}

SeenBox WaitForDialog(DWORD processId, DWORD timeoutMs, HWND except) {
    SeenBox seen;
    WaitUntil(
        [&] {
            seen.box = FindProcessDialog(processId, except);
            return seen.box != nullptr;
        },
        timeoutMs);
    if (seen.box) {
        seen.title = TextOf(seen.box);
        seen.text = LongestStaticText(seen.box);
        seen.skinned = HasSkinFrameRemote(seen.box);
    }
    return seen;
}

bool HasSkinFrameRemote(HWND window) {
    // Window properties are kept by the system, so another process can read them too.
    return ::GetPropW(window, L"Murkwell.SkinFrame") != nullptr;
}

SeenBox AnswerMessageBox(DWORD processId, int button, HWND except) {
    constexpr DWORD timeoutMs = 10000;
    SeenBox seen = WaitForDialog(processId, timeoutMs, except);
    if (!seen.box) {
        return seen;
    }
    ::PostMessageW(seen.box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(seen.box, button)));
    const HWND box = seen.box;
    WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, timeoutMs);
    return seen;
}

bool NoDialogWithin(DWORD processId, DWORD waitMs, HWND except) {
    return !WaitUntil([&] { return FindProcessDialog(processId, except) != nullptr; }, waitMs);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (::GetTickCount() - start >= timeoutMs) {
            return false;
        }
        ::Sleep(20);
    }
}

bool CloseAndWait(HWND window, DWORD timeoutMs) {
    DWORD lastAsked = 0;
    return WaitUntil(
        [&] {
            if (!::IsWindow(window)) {
                return true;
            }
            if (lastAsked == 0 || ::GetTickCount() - lastAsked >= 500) {
                ::PostMessageW(window, WM_CLOSE, 0, 0);
                lastAsked = ::GetTickCount();
            }
            return false;
        },
        timeoutMs);
}

void XdoTool(const std::wstring& arguments) {
    // Wine starts Unix programs too; it cannot wait for them, so give the X server a moment.
    std::wstring commandLine = L"Z:\\usr\\bin\\xdotool " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        throw std::runtime_error("cannot start xdotool");
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    ::Sleep(300);
}

namespace {

DWORD WINAPI RunOtherProgramWindow(void* ready) {
    const HWND window =
        ::CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900,
                          700, 200, 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetForegroundWindow(window);
    ::SetEvent(static_cast<HANDLE>(ready));
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::DestroyWindow(window);
    return 0;
}

}  // namespace

void ClickToFocus(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    XdoTool(L"mousemove " + std::to_wstring(rect.left + 6) + L" " +
            std::to_wstring(rect.bottom - 6) + L" click 1");
}

OtherProgramWindow::OtherProgramWindow() {
    m_ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = ::CreateThread(nullptr, 0, RunOtherProgramWindow, m_ready, 0, &m_threadId);
    ::WaitForSingleObject(m_ready, 5000);
    XdoTool(L"mousemove 1000 760 click 1");
}

OtherProgramWindow::~OtherProgramWindow() {
    ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(m_thread, 5000);
    ::CloseHandle(m_thread);
    ::CloseHandle(m_ready);
}
