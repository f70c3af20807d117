#pragma once
// The folder list as the list file routines see it. The main window's list view is the real
// one while the program runs; MemoryFolderRows serves where no window exists.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "vault/folder_entry.h"

class FolderList {
public:
    virtual ~FolderList() = default;
    virtual std::size_t Count() const = 0;
    virtual FolderEntry At(std::size_t index) const = 0;  // 0-based, in the list's current order
    virtual void Append(FolderEntry entry) = 0;
    // Raw list file lines after the last entry that hold no entry, kept for the next save.
    virtual const std::string& KeptTail() const = 0;
    virtual void SetKeptTail(std::string tail) = 0;
};
