#include "vault/folder_entry.h"

namespace {

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

bool IsFullPath(std::string_view path) {
    const bool driveLetter =
        path.size() >= 3 &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
        path[1] == ':' && IsSlash(path[2]);
    const bool network =
        path.size() >= 3 && IsSlash(path[0]) && IsSlash(path[1]) && !IsSlash(path[2]);
    return driveLetter || network;
}

void RemoveKeepingLines(std::vector<FolderEntry>& rows, std::string& keptTail, std::size_t index) {
    const auto removed = rows.begin() + static_cast<std::ptrdiff_t>(index);
    if (removed->origin && !removed->origin->keptBefore.empty()) {
        const std::string& kept = removed->origin->keptBefore;
        if (index + 1 < rows.size()) {
            FolderEntry& next = rows[index + 1];
            auto origin = next.origin ? std::make_shared<EntryOrigin>(*next.origin)
                                      : std::make_shared<EntryOrigin>();
            origin->keptBefore.insert(0, kept);
            next.origin = std::move(origin);
        } else {
            keptTail.insert(0, kept);
        }
    }
    rows.erase(removed);
}
