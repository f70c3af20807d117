#include "vault/disk_check.h"

#include "vault/folder_entry.h"

DiskVerdict JudgeAgainstDisk(std::string_view status, FolderPresence presence) {
    const bool neither = !presence.listed && !presence.hidden;
    if (status == kStatusHidden && presence.listed && !presence.hidden) {
        return {kStatusVisible, false};
    }
    if (status == kStatusVisible && presence.hidden && !presence.listed) {
        return {kStatusHidden, false};
    }
    return {status, neither};
}
