#pragma once
// A folder list in memory for the list file's tests and benchmarks.

#include <string>
#include <utility>
#include <vector>

#include "vault/folder_list.h"

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
