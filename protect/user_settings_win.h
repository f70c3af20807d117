#pragma once
// The per-user store: HKEY_CURRENT_USER\Software\<company>\<application>\Settings, one string
// value per key.

#include <string>

#include "protect/settings_store.h"

class UserSettings final : public SettingsStore {
public:
    UserSettings(std::string_view companyName, std::string_view applicationName);

    std::string Read(std::string_view key, std::string_view defaultValue) const override;
    void Write(std::string_view key, std::string_view value) override;
    void Remove(std::string_view key) override;

    const std::wstring& KeyPath() const { return m_keyPath; }

private:
    std::wstring m_keyPath;
};
