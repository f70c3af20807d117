#include "protect/user_settings_win.h"

#include <windows.h>

#include "platform/registry_key_win.h"
#include "platform/text_win.h"

UserSettings::UserSettings(std::string_view companyName, std::string_view applicationName)
    : m_keyPath(L"Software\\" + Widen(companyName) + L"\\" + Widen(applicationName) +
                L"\\Settings") {}

std::string UserSettings::Read(std::string_view key, std::string_view defaultValue) const {
    RegistryKey settings;
    if (settings.Open(HKEY_CURRENT_USER, m_keyPath, KEY_QUERY_VALUE) != ERROR_SUCCESS) {
        return std::string(defaultValue);
    }
    const std::wstring name = Widen(key);
    DWORD type = 0;
    DWORD size = 0;
    std::wstring value;
    if (settings.QueryType(name, type, size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) ||
        settings.ReadText(name, size, value) != ERROR_SUCCESS) {
        return std::string(defaultValue);
    }
    return Narrow(value);
}

void UserSettings::Write(std::string_view key, std::string_view value) {
    RegistryKey settings;
    if (settings.Create(HKEY_CURRENT_USER, m_keyPath, KEY_SET_VALUE) == ERROR_SUCCESS) {
        (void)settings.WriteText(Widen(key), Widen(value));
    }
}

void UserSettings::Remove(std::string_view key) {
    RegistryKey settings;
    if (settings.Open(HKEY_CURRENT_USER, m_keyPath, KEY_SET_VALUE) == ERROR_SUCCESS) {
        (void)settings.DeleteValue(Widen(key));
    }
}
