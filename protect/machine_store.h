#pragma once
// The machine store: HKEY_LOCAL_MACHINE\SOFTWARE\<company>\<application>\<section>, used for
// "chkStealth" and the machine copy of "showHelp".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/outcome.h"
#include "platform/prompter.h"
#include "protect/settings_store.h"

// What reading one value of a key found.
struct MachineValue {
    enum class Kind {
        KeyMissing,   // the key does not exist
        OpenFailed,   // the key exists but could not be opened; `result` says why
        QueryFailed,  // the value is missing, or its type and size could not be read
        String,       // `text` holds it
        ReadFailed,   // a string whose data could not be read
        NotString,    // any other type; `type` says which
    };
    Kind kind = Kind::KeyMissing;
    std::string text;
    std::uint32_t result = 0;
    std::uint32_t type = 0;
};

class MachineRegistry {
public:
    virtual ~MachineRegistry() = default;
    virtual MachineValue Read(const std::string& keyPath, std::string_view name) = 0;
    // Creates the key as needed and writes a string value; a failure carries the system's error.
    virtual Outcome Write(const std::string& keyPath,
                          std::string_view name,
                          std::string_view text) = 0;
};

struct MachineSettingError {
    std::uint32_t code = 0;
    std::string message;
};

struct MachineSettingResult {
    std::string value;
    std::optional<MachineSettingError> error;
};

std::string MachineKeyPath(std::string_view company,
                           std::string_view application,
                           std::string_view section);

MachineSettingResult GetMachineSetting(MachineRegistry& registry,
                                       std::string_view company,
                                       std::string_view application,
                                       std::string_view section,
                                       std::string_view key,
                                       std::string_view defaultValue);

// A failed write shows the Permission Denied question (Abort, Retry, Ignore) unless the user
// chose Ignore once before; nothing is passed to the caller.
void SaveMachineSetting(MachineRegistry& registry,
                        SettingsStore& userSettings,
                        Prompter& prompter,
                        std::string_view company,
                        std::string_view application,
                        std::string_view section,
                        std::string_view key,
                        std::string_view value);

std::string PermissionDeniedText(std::string_view productName);
