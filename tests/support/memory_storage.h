#pragma once
// An in-memory program folder whose writes can be made to fail.

#include <map>
#include <optional>
#include <set>
#include <string>

#include "vault/list_storage.h"

class MemoryStorage final : public ListStorage {
public:
    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> failingWrites;  // ReplaceContent fails for these names
    std::optional<RuntimeError> readFailure;
    std::optional<std::string> readFailureFor;  // only this file fails to read; all when unset
    int writes = 0;

    Outcome ReadContent(std::string_view name,
                        std::string& bytes,
                        std::size_t maxBytes) const override {
        if (readFailure && (!readFailureFor || *readFailureFor == name)) {
            return Outcome::Failure(*readFailure);
        }
        if (!files.contains(name)) {
            return Outcome::Failure({kFileNotFoundError, "File not found"});
        }
        if (files.find(name)->second.size() > maxBytes) {
            return Outcome::Failure({kFileTooLargeError, "File too large"});
        }
        bytes = files.find(name)->second;
        return Outcome::Success();
    }
    Outcome ReplaceContent(std::string_view name, std::string_view bytes) override {
        ++writes;
        if (failingWrites.contains(name)) {
            return Outcome::Failure({61, "Disk full"});
        }
        files[std::string(name)] = std::string(bytes);
        return Outcome::Success();
    }
    std::string PathOf(std::string_view name) const override {
        return "C:\\Program\\" + std::string(name);
    }
};
