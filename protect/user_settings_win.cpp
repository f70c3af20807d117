#include "protect/user_settings_win.h"

#include <windows.h>

#include "platform/text_win.h"
#include "platform/unique_resource_win.h"

UserSettings::UserSettings(std::string_view companyName, std::string_view applicationName)
    : m_keyPath(L"Software\\" + Widen(companyName) + L"\\" + Widen(applicationName) +
                L"\\Settings") {}

std::string UserSettings::Read(std::string_view key, std::string_view defaultValue) const {
    UniqueRegistryKey settings;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, KEY_QUERY_VALUE, settings.Put()) !=
        ERROR_SUCCESS) {
        return std::string(defaultValue);
    }
    const std::wstring name = Widen(key);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(settings.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::string(defaultValue);
    }
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (::RegQueryValueExW(settings.Get(), name.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
        return std::string(defaultValue);
    }
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') {
        value.pop_back();
    }
    return Narrow(value);
}

void UserSettings::Write(std::string_view key, std::string_view value) {
    UniqueRegistryKey settings;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, settings.Put(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring text = Widen(value);
    ::RegSetValueExW(settings.Get(), Widen(key).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void UserSettings::Remove(std::string_view key) {
    UniqueRegistryKey settings;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, KEY_SET_VALUE, settings.Put()) ==
        ERROR_SUCCESS) {
        ::RegDeleteValueW(settings.Get(), Widen(key).c_str());
    }
}
