#include "present/web_view_win.h"

#include "platform/callback_guard_win.h"

#include <exdispid.h>
#include <ocidl.h>

#include <utility>

namespace {

using AtlAxWinInitFunction = BOOL(WINAPI*)();
using AtlAxGetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

struct AtlHost {
    UniqueModule module;
    AtlAxGetControlFunction getControl = nullptr;
    bool ready = false;
};

// atl.dll ships with every Windows version; its control host class is registered once.
const AtlHost& Atl() {
    static const AtlHost host = [] {
        AtlHost loaded;
        loaded.module.Reset(::LoadLibraryW(L"atl.dll"));
        if (!loaded.module) {
            return loaded;
        }
        const auto init = reinterpret_cast<AtlAxWinInitFunction>(
            reinterpret_cast<void*>(::GetProcAddress(loaded.module.Get(), "AtlAxWinInit")));
        loaded.getControl = reinterpret_cast<AtlAxGetControlFunction>(
            reinterpret_cast<void*>(::GetProcAddress(loaded.module.Get(), "AtlAxGetControl")));
        loaded.ready = init && loaded.getControl && init();
        return loaded;
    }();
    return host;
}

}  // namespace

// Receives the control's events and hands the two the program uses to the window.
class WebView::EventSink final : public IDispatch {
public:
    explicit EventSink(Events events) : m_events(std::move(events)) {}

    void Disconnect() { m_events = {}; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id,
                                     REFIID,
                                     LCID,
                                     WORD,
                                     DISPPARAMS* parameters,
                                     VARIANT*,
                                     EXCEPINFO*,
                                     UINT*) override {
        return GuardCallback(
            "a web view event", [&] { return OnEvent(id, parameters); },
            [] { return E_UNEXPECTED; });
    }

private:
    HRESULT OnEvent(DISPID id, const DISPPARAMS* parameters) {
        switch (id) {
            case DISPID_STATUSTEXTCHANGE:
                if (m_events.statusTextChange && parameters && parameters->cArgs >= 1) {
                    VARIANT text;
                    ::VariantInit(&text);
                    if (SUCCEEDED(::VariantChangeType(&text, &parameters->rgvarg[0], 0, VT_BSTR))) {
                        m_events.statusTextChange(
                            text.bstrVal ? std::wstring(text.bstrVal, ::SysStringLen(text.bstrVal))
                                         : std::wstring());
                    }
                    ::VariantClear(&text);
                }
                return S_OK;
            case DISPID_DOWNLOADCOMPLETE:
                if (m_events.downloadComplete) {
                    m_events.downloadComplete();
                }
                return S_OK;
            default:
                return S_OK;  // progress, download begin and the rest: not used
        }
    }

    Events m_events;
    ULONG m_references = 1;
};

WebView::~WebView() {
    if (m_sink) {
        static_cast<EventSink*>(m_sink.Get())->Disconnect();
        if (m_browser && m_cookie) {
            ComPtr<IConnectionPointContainer> container;
            ComPtr<IConnectionPoint> point;
            if (SUCCEEDED(m_browser->QueryInterface(IID_IConnectionPointContainer,
                                                    container.PutVoid())) &&
                SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put()))) {
                point->Unadvise(m_cookie);
            }
        }
    }
}

bool WebView::Create(HWND parent,
                     int id,
                     const RECT& rect,
                     bool visible,
                     const wchar_t* name,
                     Events events) {
    const AtlHost& atl = Atl();
    const wchar_t* hostClass = atl.ready ? L"AtlAxWin" : L"STATIC";
    m_host = ::CreateWindowExW(0, hostClass, atl.ready ? L"Shell.Explorer.2" : L"",
                               WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               ::GetModuleHandleW(nullptr), nullptr);
    if (!m_host || !atl.ready) {
        return false;
    }
    ::SetWindowTextW(m_host, name);
    ComPtr<IUnknown> control;
    if (FAILED(atl.getControl(m_host, control.Put())) || !control ||
        FAILED(control->QueryInterface(IID_IWebBrowser2, m_browser.PutVoid()))) {
        return false;
    }
    m_browser->put_Silent(VARIANT_TRUE);  // no script error boxes over the program
    m_sink = ComPtr<IDispatch>(new EventSink(std::move(events)));
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    if (SUCCEEDED(m_browser->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) &&
        SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put()))) {
        point->Advise(m_sink.Get(), &m_cookie);
    }
    return true;
}

HRESULT WebView::Navigate(const std::wstring& address) {
    if (!m_browser) {
        return E_NOINTERFACE;
    }
    const UniqueBstr url = MakeBstr(address);
    VARIANT empty;
    ::VariantInit(&empty);
    return m_browser->Navigate(url.Get(), &empty, &empty, &empty, &empty);
}

HRESULT WebView::GoBack() {
    return m_browser ? m_browser->GoBack() : E_NOINTERFACE;
}

HRESULT WebView::GoForward() {
    return m_browser ? m_browser->GoForward() : E_NOINTERFACE;
}

HRESULT WebView::Stop() {
    return m_browser ? m_browser->Stop() : E_NOINTERFACE;
}

HRESULT WebView::Refresh() {
    return m_browser ? m_browser->Refresh() : E_NOINTERFACE;
}

std::wstring WebView::LocationUrl() const {
    UniqueBstr url;
    if (!m_browser || FAILED(m_browser->get_LocationURL(url.Put()))) {
        return {};
    }
    return BstrText(url);
}

std::wstring WebView::LocationName() const {
    UniqueBstr name;
    if (!m_browser || FAILED(m_browser->get_LocationName(name.Put()))) {
        return {};
    }
    return BstrText(name);
}
