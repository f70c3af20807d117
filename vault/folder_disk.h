#pragma once
// What hiding and revealing need from the disk.

#include <string>

#include "platform/outcome.h"

enum class FolderAttributes {
    AllSet,   // hidden, system, read-only and archive
    Cleared,  // none of the changeable attributes
};

class FolderDisk {
public:
    virtual ~FolderDisk() = default;
    // Renames in place: only the last name component changes. Paths are UTF-8.
    virtual Outcome RenameFolder(const std::string& from, const std::string& to) = 0;
    // Fails when `path` does not name a folder.
    virtual Outcome SetFolderAttributes(const std::string& path, FolderAttributes attributes) = 0;
    // True when a folder of that name is there now; any failure to look gives false.
    virtual bool FolderExists(const std::string& path) = 0;
};
