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
