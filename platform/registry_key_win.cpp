#include "platform/registry_key_win.h"

#include <utility>

LONG RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access) {
    return ::RegOpenKeyExW(root, path.c_str(), 0, access, m_key.Put());
}

LONG RegistryKey::Create(HKEY root, const std::wstring& path, REGSAM access) {
    return ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                             nullptr, m_key.Put(), nullptr);
}

LONG RegistryKey::QueryType(const std::wstring& name, DWORD& type, DWORD& size) const {
    type = 0;
    size = 0;
    return ::RegQueryValueExW(m_key.Get(), name.c_str(), nullptr, &type, nullptr, &size);
}

LONG RegistryKey::ReadText(const std::wstring& name, DWORD size, std::wstring& text) const {
    std::wstring read(size / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    const LONG result = ::RegQueryValueExW(m_key.Get(), name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(read.data()), &size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    read.resize(size / sizeof(wchar_t));
    while (!read.empty() && read.back() == L'\0') {
        read.pop_back();  // the terminating NUL is not part of the value
    }
    text = std::move(read);
    return ERROR_SUCCESS;
}

LONG RegistryKey::WriteText(const std::wstring& name, const std::wstring& text) {
    return ::RegSetValueExW(m_key.Get(), name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

LONG RegistryKey::DeleteValue(const std::wstring& name) {
    return ::RegDeleteValueW(m_key.Get(), name.c_str());
}
