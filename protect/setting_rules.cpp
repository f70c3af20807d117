#include "protect/setting_rules.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

bool ReadsAsOne(std::string_view text) {
    std::string_view number = Trimmed(text);
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
