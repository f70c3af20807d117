#include "vault/hidden_folder_scan.h"

#include <algorithm>

namespace {

char FoldAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t Depth(std::string_view path) {
    return static_cast<std::size_t>(std::count(path.begin(), path.end(), '\\'));
}

}  // namespace

std::string RealPathOf(std::string_view pathOnDisk) {
    std::string real;
    real.reserve(pathOnDisk.size());
    std::size_t start = 0;
    while (start <= pathOnDisk.size()) {
        const std::size_t end = std::min(pathOnDisk.find('\\', start), pathOnDisk.size());
        std::string_view name = pathOnDisk.substr(start, end - start);
        if (CarriesHiddenSuffix(name)) {
            name.remove_suffix(kHiddenSuffix.size());
        }
        real += name;
        if (end == pathOnDisk.size()) {
            break;
        }
        real += '\\';
        start = end + 1;
    }
    return real;
}

std::vector<std::string> InRevealOrder(std::vector<std::string> realPaths) {
    std::stable_sort(
        realPaths.begin(), realPaths.end(),
        [](const std::string& a, const std::string& b) { return Depth(a) < Depth(b); });
    return realPaths;
}

ListedFolders::ListedFolders(const FolderList& list, const PathRules* pathRules)
    : m_pathRules(pathRules) {
    m_keys.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        Insert(list.At(i).path);
    }
}

std::string ListedFolders::Key(std::string_view path) const {
    if (path.size() > 3 && path.back() == '\\') {
        path.remove_suffix(1);
    }
    if (m_pathRules) {
        return m_pathRules->FoldCase(path);
    }
    std::string key(path);
    std::transform(key.begin(), key.end(), key.begin(), FoldAsciiLetter);
    return key;
}

bool ListedFolders::Holds(std::string_view realPath) const {
    return m_keys.contains(Key(realPath));
}

void ListedFolders::Insert(std::string_view realPath) {
    m_keys.insert(Key(realPath));
}

std::string ScanProgressText(ScanStage stage, const ScanTally& tally) {
    std::string text = stage == ScanStage::Running    ? "Scanning: "
                       : stage == ScanStage::Finished ? "Finished: "
                                                      : "Stopped: ";
    text += std::to_string(tally.scanned) + " folders scanned, " + std::to_string(tally.found) +
            " found";
    if (tally.alreadyListed > 0) {
        text += ", " + std::to_string(tally.alreadyListed) + " already in the list";
    }
    if (tally.unreadable > 0) {
        text += ", " + std::to_string(tally.unreadable) + " could not be read";
    }
    return text;
}

std::string_view CleanedLookIn(std::string_view typed) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!typed.empty() && isSpace(typed.front())) {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && isSpace(typed.back())) {
        typed.remove_suffix(1);
    }
    if (typed.size() >= 2 && typed.front() == '"' && typed.back() == '"') {
        typed = typed.substr(1, typed.size() - 2);
    }
    return typed;
}
