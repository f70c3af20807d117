#include "shell/command_line.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsSwitch(const std::string& word, std::string_view name) {
    if (word.size() != name.size() + 1 || (word[0] != '/' && word[0] != '-')) {
        return false;
    }
    return std::equal(name.begin(), name.end(), word.begin() + 1, [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return {};
    }
    if (IsSwitch(arguments[0], "showall")) {
        return {CommandLineRequest::ShowAll, {}};
    }
    if (IsSwitch(arguments[0], "hiddencount")) {
        return {CommandLineRequest::HiddenCount, {}};
    }
    if (!IsSwitch(arguments[0], "scan")) {
        return {};
    }
    if (arguments.size() < 2 || arguments[1].empty()) {
        return {CommandLineRequest::ScanUsage, {}};
    }
    return {CommandLineRequest::Scan, arguments[1]};
}
