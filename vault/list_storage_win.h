#pragma once
// The list file's folder on disk.

#include <string>

#include "vault/list_storage.h"

class FolderListStorage final : public ListStorage {
public:
    explicit FolderListStorage(std::wstring folder) : m_folder(std::move(folder)) {}

    Outcome ReadContent(std::string_view name,
                        std::string& bytes,
                        std::size_t maxBytes) const override;
    Outcome ReplaceContent(std::string_view name, std::string_view bytes) override;
    std::string PathOf(std::string_view name) const override;

private:
    std::wstring FullPath(std::string_view name) const;

    std::wstring m_folder;
};
