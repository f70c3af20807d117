#pragma once
// Hiding and revealing on the real disk.

#include "vault/folder_disk.h"

class Win32FolderDisk final : public FolderDisk {
public:
    Outcome RenameFolder(const std::string& from, const std::string& to) override;
    Outcome SetFolderAttributes(const std::string& path, FolderAttributes attributes) override;
    bool FolderExists(const std::string& path) override;
};
