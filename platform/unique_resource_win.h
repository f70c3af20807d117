#pragma once
// One move-only owner for every kind of Win32 handle: the traits say what "none" is and how
// to let go of it.

#include <windows.h>

#include <commctrl.h>

#include <utility>

template <class Traits>
class UniqueResource {
public:
    using Handle = typename Traits::Handle;

    UniqueResource() = default;
    explicit UniqueResource(Handle handle) : m_handle(handle) {}
    ~UniqueResource() { Reset(); }

    UniqueResource(UniqueResource&& other) noexcept : m_handle(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::None(); }

    Handle Release() { return std::exchange(m_handle, Traits::None()); }
    void Reset(Handle handle = Traits::None()) {
        if (m_handle != Traits::None()) {
            Traits::Close(m_handle);
        }
        m_handle = handle;
    }
    // For APIs that return a handle through a pointer.
    Handle* Put() {
        Reset();
        return &m_handle;
    }

private:
    Handle m_handle = Traits::None();
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::CloseHandle(handle); }
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::CloseHandle(handle); }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::FindClose(handle); }
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::RegCloseKey(handle); }
};

template <class GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::DeleteObject(handle); }
};

struct WindowTraits {
    using Handle = HWND;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::DestroyWindow(handle); }
};

using UniqueFile = UniqueResource<FileHandleTraits>;            // CreateFileW
using UniqueKernelHandle = UniqueResource<KernelHandleTraits>;  // processes, mutexes, events
using UniqueFind = UniqueResource<FindHandleTraits>;
using UniqueRegistryKey = UniqueResource<RegistryKeyTraits>;
using UniqueFont = UniqueResource<GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueResource<GdiObjectTraits<HBRUSH>>;
using UniqueBitmap = UniqueResource<GdiObjectTraits<HBITMAP>>;
using UniqueWindow = UniqueResource<WindowTraits>;
using UniquePen = UniqueResource<GdiObjectTraits<HPEN>>;
using UniqueRegion = UniqueResource<GdiObjectTraits<HRGN>>;

struct IconTraits {
    using Handle = HICON;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::DestroyIcon(handle); }
};
using UniqueIcon = UniqueResource<IconTraits>;

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::FreeLibrary(handle); }
};
using UniqueModule = UniqueResource<ModuleTraits>;

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::DeleteDC(handle); }
};
using UniqueMemoryDc = UniqueResource<MemoryDcTraits>;

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::ImageList_Destroy(handle); }
};
using UniqueImageList = UniqueResource<ImageListTraits>;

struct HookTraits {
    using Handle = HHOOK;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::UnhookWindowsHookEx(handle); }
};
using UniqueHook = UniqueResource<HookTraits>;

struct MenuTraits {
    using Handle = HMENU;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::DestroyMenu(handle); }
};
using UniqueMenu = UniqueResource<MenuTraits>;  // a menu no window owns (popup menus)

// A window's device context from GetDC (or, for the whole window with its frame,
// GetWindowDC), released to that window.
class WindowDc {
public:
    explicit WindowDc(HWND window, bool wholeWindow = false)
        : m_window(window), m_dc(wholeWindow ? ::GetWindowDC(window) : ::GetDC(window)) {}
    ~WindowDc() {
        if (m_dc) {
            ::ReleaseDC(m_window, m_dc);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects a GDI object into a device context for as long as it lives, then puts the one it
// replaced back. Declared after the object it selects, so that it lets go first.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (m_previous) {
            ::SelectObject(m_dc, m_previous);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
