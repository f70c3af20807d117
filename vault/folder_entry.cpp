#include "vault/folder_entry.h"

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
