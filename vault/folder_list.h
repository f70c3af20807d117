#pragma once
// The folder list as the list file routines see it. The main window's list view is the real
// one while the program runs; VectorFolderList serves where no window exists.

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

class VectorFolderList final : public FolderList {
public:
    VectorFolderList() = default;
    explicit VectorFolderList(std::vector<FolderEntry> entries) : m_entries(std::move(entries)) {}

    std::size_t Count() const override { return m_entries.size(); }
    FolderEntry At(std::size_t index) const override { return m_entries.at(index); }
    void Append(FolderEntry entry) override { m_entries.push_back(std::move(entry)); }
    const std::string& KeptTail() const override { return m_keptTail; }
    void SetKeptTail(std::string tail) override { m_keptTail = std::move(tail); }

    const std::vector<FolderEntry>& Entries() const { return m_entries; }

private:
    std::vector<FolderEntry> m_entries;
    std::string m_keptTail;
};
