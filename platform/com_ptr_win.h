#pragma once
// Owns one reference to a COM object.

#include <ole2.h>
#include <shtypes.h>
#include <unknwn.h>

#include <string>
#include <utility>

#include "platform/unique_resource_win.h"

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller holds (a new object's first one).
    explicit ComPtr(Interface* adopted) : m_pointer(adopted) {}
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    void Reset() {
        if (m_pointer) {
            std::exchange(m_pointer, nullptr)->Release();
        }
    }
    // For APIs that hand out a new reference through a pointer.
    Interface** Put() {
        Reset();
        return &m_pointer;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

private:
    Interface* m_pointer = nullptr;
};

// Initialises COM (with OLE, which embedded controls need) for the calling thread as a
// single-threaded apartment, for its lifetime.
class ComApartment {
public:
    ComApartment() : m_initialized(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~ComApartment() {
        if (m_initialized) {
            ::OleUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_initialized;
};

struct BstrTraits {
    using Handle = BSTR;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::SysFreeString(handle); }
};
using UniqueBstr = UniqueResource<BstrTraits>;

inline UniqueBstr MakeBstr(const std::wstring& text) {
    return UniqueBstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}
inline std::wstring BstrText(const UniqueBstr& text) {
    return text ? std::wstring(text.Get(), ::SysStringLen(text.Get())) : std::wstring();
}

// Memory the shell hands out with CoTaskMemAlloc: strings and item ID lists.
template <class Pointer>
struct CoTaskMemoryTraits {
    using Handle = Pointer;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { ::CoTaskMemFree(handle); }
};
using UniqueCoTaskString = UniqueResource<CoTaskMemoryTraits<PWSTR>>;
using UniqueIdList = UniqueResource<CoTaskMemoryTraits<PIDLIST_ABSOLUTE>>;
