#pragma once
// Owns one reference to a COM object.

#include <ole2.h>
#include <unknwn.h>

#include <utility>

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
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
