#pragma once
// The system's web browser control, hosted in a child window through atl.dll's control host.
// It navigates, goes back and forward, stops, reloads, and reports its status text and each
// completed download.

#include <windows.h>

#include <exdisp.h>

#include <functional>
#include <string>

#include "platform/com_ptr_win.h"
#include "platform/unique_resource_win.h"

class WebView {
public:
    struct Events {
        std::function<void(const std::wstring& text)> statusTextChange;
        std::function<void()> downloadComplete;
    };

    WebView() = default;
    WebView(const WebView&) = delete;
    WebView& operator=(const WebView&) = delete;
    ~WebView();

    // False when the control cannot be made here; the window then stays an empty host.
    // `name`: what a screen reader calls the view (the system's control is made by its class
    // name, which would otherwise stay its window's text).
    bool Create(HWND parent,
                int id,
                const RECT& rect,
                bool visible,
                const wchar_t* name,
                Events events = {});
    HWND Handle() const { return m_host; }
    bool HasBrowser() const { return static_cast<bool>(m_browser); }

    // The address goes to the control unchanged.
    HRESULT Navigate(const std::wstring& address);
    HRESULT GoBack();
    HRESULT GoForward();
    HRESULT Stop();
    HRESULT Refresh();
    std::wstring LocationUrl() const;
    std::wstring LocationName() const;

private:
    class EventSink;

    HWND m_host = nullptr;  // destroyed with its parent
    ComPtr<IWebBrowser2> m_browser;
    ComPtr<IDispatch> m_sink;  // an EventSink: ours, and the control's while it is connected
    DWORD m_cookie = 0;
};
