#include "protect/setting_rules.h"

#include "platform/trimmed.h"

bool ReadsAsOne(std::string_view text) {
    std::string_view number = Trimmed(text, " \t");
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    const auto firstNonZero = number.find_first_not_of('0');
    return firstNonZero != std::string_view::npos && number.substr(firstNonZero) == "1";
}

StartupMode DecideStartup(std::string_view stealthSetting, std::string_view passwordSetting) {
    if (ReadsAsOne(stealthSetting)) {
        return StartupMode::Stealth;
    }
    return ReadsAsOne(passwordSetting) ? StartupMode::BehindPassword : StartupMode::Normal;
}
