#pragma once
// Folder rows kept in memory, for work on the list without a window.

#include <optional>
#include <string>
#include <vector>

#include "vault/folder_rows.h"

class MemoryFolderRows final : public FolderRows {
public:
    std::vector<FolderEntry> entries;
    std::optional<std::size_t> selected;
    std::string keptTail;

    MemoryFolderRows() = default;
    explicit MemoryFolderRows(std::vector<FolderEntry> initial) : entries(std::move(initial)) {}

    std::size_t Count() const override { return entries.size(); }
    FolderEntry At(std::size_t index) const override { return entries.at(index); }
    void Append(FolderEntry entry) override { entries.push_back(std::move(entry)); }
    bool IsChecked(std::size_t index) const override { return entries.at(index).checked; }
    void SetChecked(std::size_t index, bool checked) override {
        entries.at(index).checked = checked;
    }
    void SetStatus(std::size_t index, const std::string& status) override {
        entries.at(index).status = status;
    }
    void RemoveRows(const std::vector<std::size_t>& ascending) override {
        RemoveRowsKeepingLines(entries, keptTail, ascending);
    }
    void SetMissing(std::size_t index, bool missing) override {
        entries.at(index).missing = missing;
    }
    const std::string& KeptTail() const override { return keptTail; }
    void SetKeptTail(std::string tail) override { keptTail = std::move(tail); }
    std::optional<std::size_t> Selected() const override { return selected; }
};
