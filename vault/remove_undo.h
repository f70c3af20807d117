#pragma once
// What a Remove or Remove All took out of the list, to put back on request: one OK must never
// lose a long list for good. The undo holds while the list is as the removal left it (the same
// paths and words, in the same order); any other change to the list ends it.

#include <cstddef>
#include <string>
#include <vector>

#include "vault/folder_entry.h"
#include "vault/folder_rows.h"

class RemoveUndo {
public:
    // Before the removal runs: the list as it stands.
    void Before(const FolderList& rows);
    // After it has ended: kept when it took rows out, dropped otherwise.
    void After(const FolderList& rows);
    // Whether the list is still as the removal left it, with rows to put back.
    bool CanUndo(const FolderList& rows) const;
    // How many rows putting back would return.
    std::size_t RemovedCount() const { return m_before.size() - m_after.size(); }
    // The list as it was before the removal, ticks and kept lines included. The undo is spent.
    void Restore(FolderRows& rows);
    void Forget();

private:
    struct Shown {
        std::string path;
        std::string status;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    static std::vector<Shown> ShownOf(const FolderList& rows);

    std::vector<FolderEntry> m_before;
    std::string m_beforeTail;
    std::vector<Shown> m_after;
    bool m_ready = false;
};
