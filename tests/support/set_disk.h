#pragma once
// A disk of folder names in memory, for the commands' tests.

#include <set>
#include <string>

#include "vault/folder_disk.h"

// Folders that exist; the ones in `busy` refuse to be renamed, as when another program has
// them open.
class SetDisk final : public FolderDisk {
public:
    std::set<std::string> folders;
    std::set<std::string> busy;
    int calls = 0;

    Outcome RenameFolder(const std::string& from, const std::string& to) override {
        ++calls;
        if (busy.contains(from)) {
            return Outcome::Failure({75, "Path/File access error"});
        }
        if (!folders.erase(from)) {
            return Outcome::Failure({53, "File not found"});
        }
        folders.insert(to);
        return Outcome::Success();
    }
    Outcome SetFolderAttributes(const std::string& path, FolderAttributes) override {
        return folders.contains(path) ? Outcome::Success()
                                      : Outcome::Failure({76, "Path not found"});
    }
    bool FolderExists(const std::string& path) override { return folders.contains(path); }
};
