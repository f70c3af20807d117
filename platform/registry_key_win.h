#pragma once
// An open registry key and the few things the program does with one: read a string value,
// write one, delete one. Every call answers with the system's result code.

#include <windows.h>

#include <string>

#include "platform/unique_resource_win.h"

class RegistryKey {
public:
    LONG Open(HKEY root, const std::wstring& path, REGSAM access);
    // Opens the key, making it (and the keys above it) when it is not there.
    LONG Create(HKEY root, const std::wstring& path, REGSAM access);
    explicit operator bool() const { return static_cast<bool>(m_key); }

    // The value's type and its size in bytes.
    LONG QueryType(const std::wstring& name, DWORD& type, DWORD& size) const;
    // The text of a string value `size` bytes long (as QueryType gave it), without the NULs
    // that end it.
    LONG ReadText(const std::wstring& name, DWORD size, std::wstring& text) const;
    // Writes a REG_SZ value, its terminating NUL included.
    LONG WriteText(const std::wstring& name, const std::wstring& text);
    LONG DeleteValue(const std::wstring& name);

private:
    UniqueRegistryKey m_key;
};
