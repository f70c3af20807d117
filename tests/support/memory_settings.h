#pragma once
// Settings held in memory; keys match without regard to case, as registry value names do.

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "protect/settings_store.h"

class MemorySettings final : public SettingsStore {
public:
    std::map<std::string, std::string> values;  // keys in lower case
    int writes = 0;

    std::string Read(std::string_view key, std::string_view defaultValue) const override {
        const auto found = values.find(Lower(key));
        return found == values.end() ? std::string(defaultValue) : found->second;
    }
    void Write(std::string_view key, std::string_view value) override {
        ++writes;
        values[Lower(key)] = std::string(value);
    }
    void Remove(std::string_view key) override { values.erase(Lower(key)); }
    bool Has(std::string_view key) const { return values.contains(Lower(key)); }

private:
    static std::string Lower(std::string_view key) {
        std::string lower(key);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lower;
    }
};
