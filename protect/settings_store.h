#pragma once
// Per-user settings: texts addressed by key in the product's "Settings" section. Nothing is
// cached; every reader asks the store at the moment of use.

#include <string>
#include <string_view>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `defaultValue` when the key is missing.
    virtual std::string Read(std::string_view key, std::string_view defaultValue) const = 0;
    virtual void Write(std::string_view key, std::string_view value) = 0;
    // Removing a key that is not there is harmless.
    virtual void Remove(std::string_view key) = 0;
};
