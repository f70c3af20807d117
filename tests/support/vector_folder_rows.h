#pragma once
// In-memory rows for the commands' tests.

#include <optional>
#include <vector>

#include "vault/folder_rows.h"

class VectorFolderRows final : public FolderRows {
public:
    std::vector<FolderEntry> entries;
    std::optional<std::size_t> selected;

    VectorFolderRows() = default;
    explicit VectorFolderRows(std::vector<FolderEntry> initial) : entries(std::move(initial)) {}

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
    void Remove(std::size_t index) override {
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
    std::optional<std::size_t> Selected() const override { return selected; }
};
