#pragma once
// Finding hidden folders again without the list: telling them by their names, the real path
// each one had, and which of them the list already holds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "vault/folder_hider.h"
#include "vault/folder_list.h"
#include "vault/list_commands.h"

// Whether a folder name ends with the hiding suffix (letters in any case: the file system does
// not tell case apart) and has a real name before it.
template <class Char>
bool CarriesHiddenSuffix(std::basic_string_view<Char> name) {
    if (name.size() <= kHiddenSuffix.size()) {
        return false;
    }
    const auto tail = name.substr(name.size() - kHiddenSuffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        Char c = tail[i];
        if (c >= Char('a') && c <= Char('z')) {
            c = static_cast<Char>(c - Char('a') + Char('A'));
        }
        if (c != static_cast<Char>(kHiddenSuffix[i])) {
            return false;
        }
    }
    return true;
}

// The path a found folder had before it was hidden: the suffix dropped from its own name and
// from every hidden folder it lies in, as the list would hold it.
std::string RealPathOf(std::string_view pathOnDisk);

// Folders in the order they can be revealed in: a folder before the folders inside it, since
// revealing the inner one first would look for it under a parent that is still hidden.
std::vector<std::string> InRevealOrder(std::vector<std::string> realPaths);

// The listed paths, compared as the system compares paths (every letter folded, a trailing
// backslash ignored), to leave out what the list already holds.
class ListedFolders {
public:
    ListedFolders(const FolderList& list, const PathRules* pathRules);
    bool Holds(std::string_view realPath) const;
    void Insert(std::string_view realPath);

private:
    std::string Key(std::string_view path) const;

    const PathRules* m_pathRules;
    std::unordered_set<std::string> m_keys;
};

// A folder typed or pasted to look in, without the spaces around it or the quotation marks
// a copied path often carries.
std::string_view CleanedLookIn(std::string_view typed);

enum class ScanStage { Running, Finished, Stopped };

struct ScanTally {
    std::uint64_t scanned = 0;        // folders read
    std::uint64_t found = 0;          // hidden folders found that the list does not hold
    std::uint64_t alreadyListed = 0;  // hidden folders found that the list holds
    std::uint64_t unreadable = 0;     // folders that could not be read
};

// One line on how a search stands, e.g. "Finished: 5120 folders scanned, 2 found".
std::string ScanProgressText(ScanStage stage, const ScanTally& tally);
