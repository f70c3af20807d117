#pragma once
// Reading and driving the controls of another process's window, the way an accessibility tool
// does: messages, with buffers placed in the other process where a message needs one.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct RemoteRow {
    std::wstring path;
    std::wstring status;
    bool checked = false;

    friend bool operator==(const RemoteRow&, const RemoteRow&) = default;
};

std::vector<RemoteRow> ReadRows(HWND list);
// Ticks or unticks a row with a click on its check box.
void SetRowChecked(HWND list, int index, bool checked);
void SelectRow(HWND list, int index);
std::vector<std::wstring> ReadColumnHeaders(HWND list);
// The sort arrow on a column's header: 1 up, -1 down, 0 none.
int SortArrowOf(HWND list, int column);
std::wstring ReadStatusText(HWND statusBar);
RECT RowRectOnScreen(HWND list, int index);
// Where a cell's text lies on the screen (LVIR_LABEL of the column).
RECT CellRectOnScreen(HWND list, int row, int column);

std::wstring TextOf(HWND window);
HWND ChildById(HWND parent, int id);

struct SeenBox {
    HWND box = nullptr;
    std::wstring title;
    std::wstring text;
    bool skinned = false;  // wears the program's skin frame
};

// The first visible message box (or other dialog) of the process other than `except`,
// waiting for one to appear.
SeenBox WaitForDialog(DWORD processId, DWORD timeoutMs = 10000, HWND except = nullptr);
// Whether a window of the program wears its skin frame.
bool HasSkinFrameRemote(HWND window);
// Waits for a message box (not `except`, a dialog already open), reads it, presses `button`
// (IDOK, IDCANCEL, ...) and waits for it to close. An empty result when none came.
SeenBox AnswerMessageBox(DWORD processId, int button, HWND except = nullptr);
// True when no dialog of the process other than `except` shows up within `waitMs`.
bool NoDialogWithin(DWORD processId, DWORD waitMs, HWND except = nullptr);

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// Closes another program's window and waits until it is gone, asking again each half second: the
// help viewer, still loading its file, lets a close go by.
bool CloseAndWait(HWND window, DWORD timeoutMs = 20000);

// Real input through the X server, as a person gives it.
void XdoTool(const std::wstring& arguments);
// Clicks near the bottom left corner of a window, where none of ours has a control, so that it
// has the keyboard as it would for a person who had just clicked it.
void ClickToFocus(HWND window);

// A window of another program (this test), which the user is working in when a global hotkey
// is pressed: it is clicked so that it has the keyboard.
// Its own thread keeps reading input, as a program in use does.
class OtherProgramWindow {
public:
    OtherProgramWindow();
    ~OtherProgramWindow();
    OtherProgramWindow(const OtherProgramWindow&) = delete;
    OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;

private:
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HANDLE m_ready = nullptr;
};
