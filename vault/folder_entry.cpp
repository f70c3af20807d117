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

void RemoveRowsKeepingLines(std::vector<FolderEntry>& rows,
                            std::string& keptTail,
                            const std::vector<std::size_t>& ascending) {
    std::size_t kept = 0;
    std::string passed;  // the lines of the removed entries since the last one kept
    auto next = ascending.begin();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (next != ascending.end() && *next == i) {
            ++next;
            if (rows[i].origin) {
                passed += rows[i].origin->keptBefore;
            }
            continue;
        }
        if (!passed.empty()) {
            auto origin = rows[i].origin ? std::make_shared<EntryOrigin>(*rows[i].origin)
                                         : std::make_shared<EntryOrigin>();
            origin->keptBefore.insert(0, passed);
            rows[i].origin = std::move(origin);
            passed.clear();
        }
        if (kept != i) {
            rows[kept] = std::move(rows[i]);
        }
        ++kept;
    }
    keptTail.insert(0, passed);
    rows.resize(kept);
}
