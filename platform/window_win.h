#pragma once
// Base class of every window: the static window procedure finds the object through
// GWLP_USERDATA and hands the message to HandleMessage.

#include <windows.h>

#include <string>

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return m_hwnd; }

protected:
    // Registers the class once per process, then creates the window with `this` attached.
    bool CreateWindowOf(const wchar_t* className,
                        const wchar_t* title,
                        DWORD style,
                        DWORD exStyle,
                        int x,
                        int y,
                        int width,
                        int height,
                        HWND parent,
                        HMENU menu);

    virtual void ConfigureClass(WNDCLASSEXW& windowClass) { (void)windowClass; }
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};

// Moves (and if need be shrinks) a window so that it lies wholly inside the work area of the
// screen it is on: a window sized for a high DPI can be larger than a small screen.
void FitInWorkArea(HWND window);
// Places a window over the middle of its owner, kept inside the owner's work area; a window
// without a visible owner is only kept inside its own.
void CenterOnOwner(HWND window);
// Places a window over the middle of the window that asked for it, or of the screen when that
// one is hidden or minimised (stealth mode, the start-up window gone).
void CenterOver(HWND window, HWND asker);

// The text of a window or control of this program.
std::wstring TextOfWindow(HWND window);

// A window's outer size (borders and caption included), in twips at `dpi`.
struct SizeInTwips {
    int width = 0;
    int height = 0;
};
SizeInTwips OuterSizeInTwips(HWND window, int dpi);

// A control's place given in twips (left, top, width, height), in pixels at `dpi`.
RECT PlaceInPixels(int left, int top, int width, int height, int dpi);
// Moves a control to a place given in twips, each length turned into pixels on its own.
void MoveInTwips(HWND control, int left, int top, int width, int height, int dpi);

// The outer size, in pixels at `dpi`, of a window of this style whose client area is
// `client` twips.
SIZE OuterSizeForClient(SizeInTwips client, DWORD style, bool hasMenu, int dpi);
