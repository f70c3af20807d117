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
        const char first = arguments[0].empty() ? '\0' : arguments[0][0];
        if (first == '/' || first == '-') {
            return {CommandLineRequest::UnknownSwitch, arguments[0]};
        }
        return {};
    }
    if (arguments.size() < 2 || arguments[1].empty()) {
        return {CommandLineRequest::ScanUsage, {}};
    }
    if (arguments.size() > 2) {
        // The words cannot be put back together as they were typed (runs of spaces are gone),
        // and a shorter path would be searched without a word.
        return {CommandLineRequest::ScanSplitPath, arguments[1]};
    }
    return {CommandLineRequest::Scan, arguments[1]};
}

std::string RefusalText(const ParsedCommandLine& parsed) {
    switch (parsed.request) {
        case CommandLineRequest::ScanUsage:
            return "Usage: Murkwell.exe /scan PATH";
        case CommandLineRequest::ScanSplitPath:
            return "The folder to look in has spaces in its name: put it in quotation marks, as in "
                   "Murkwell.exe /scan \"D:\\Old Files\". No folder was searched.";
        case CommandLineRequest::UnknownSwitch:
            return "Murkwell.exe does not know \"" + parsed.path +
                   "\". It knows /showall, /hiddencount and /scan PATH.";
        default:
            return {};
    }
}
