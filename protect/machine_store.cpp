#include "protect/machine_store.h"

#include "platform/trimmed.h"

#include "protect/settings_keys.h"

namespace {

constexpr std::uint32_t kEmptyAppName = 0x800403E8;
constexpr std::uint32_t kEmptySection = 0x800403E9;
constexpr std::uint32_t kEmptyKey = 0x800403EA;
constexpr std::uint32_t kRegistryErrorBase = 0x800407D0;

}  // namespace

std::string MachineKeyPath(std::string_view company,
                           std::string_view application,
                           std::string_view section) {
    std::string path = "SOFTWARE\\";
    path += Trimmed(company, " ");
    path += '\\';
    path += Trimmed(application, " ");
    path += '\\';
    path += Trimmed(section, " ");
    return path;
}

MachineSettingResult GetMachineSetting(MachineRegistry& registry,
                                       std::string_view company,
                                       std::string_view application,
                                       std::string_view section,
                                       std::string_view key,
                                       std::string_view defaultValue) {
    if (Trimmed(application, " ").empty()) {
        return {{}, MachineSettingError{kEmptyAppName, "AppName may not be empty"}};
    }
    if (Trimmed(section, " ").empty()) {
        return {{}, MachineSettingError{kEmptySection, "Section may not be empty"}};
    }
    if (Trimmed(key, " ").empty()) {
        return {{}, MachineSettingError{kEmptyKey, "Key may not be empty"}};
    }
    const MachineValue found = registry.Read(MachineKeyPath(company, application, section), key);
    switch (found.kind) {
        case MachineValue::Kind::KeyMissing:
        case MachineValue::Kind::QueryFailed:
        case MachineValue::Kind::ReadFailed:
            return {std::string(defaultValue), std::nullopt};
        case MachineValue::Kind::OpenFailed:
            return {{},
                    MachineSettingError{kRegistryErrorBase + found.result,
                                        "Could not open registry section"}};
        case MachineValue::Kind::NotString:
            return {
                {},
                MachineSettingError{kRegistryErrorBase + found.type, "Registry data not a string"}};
        case MachineValue::Kind::String:
            break;
    }
    return {found.text, std::nullopt};
}

std::string PermissionDeniedText(std::string_view productName) {
    return std::string(productName) +
           " requires read/write access to the system registry and hard drive in order to run "
           "properly.  This user account does not have the proper permissions set.  As a result "
           "some or all of your settings may not be properly saved.  Please contact your system "
           "administrator or change the permission settings for this account.\r\n\r\nIf you "
           "would like to prevent this error message from being displayed again, please press "
           "'Ignore'.";
}

void SaveMachineSetting(MachineRegistry& registry,
                        SettingsStore& userSettings,
                        Prompter& prompter,
                        std::string_view company,
                        std::string_view application,
                        std::string_view section,
                        std::string_view key,
                        std::string_view value) {
    const std::string path = MachineKeyPath(company, application, section);
    for (;;) {
        if (registry.Write(path, key, value).Succeeded()) {
            return;
        }
        if (userSettings.Read(settings::kIgnorePermissionDenied, settings::kOff) == settings::kOn) {
            return;
        }
        switch (prompter.Ask(PermissionDeniedText(application), "Permission Denied",
                             PromptButtons::AbortRetryIgnore, PromptIcon::None)) {
            case PromptAnswer::Retry:
                continue;
            case PromptAnswer::Ignore:
                userSettings.Write(settings::kIgnorePermissionDenied, settings::kOn);
                return;
            default:
                return;
        }
    }
}
