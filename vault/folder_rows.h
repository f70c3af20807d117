#pragma once
// The folder list as the commands see it: rows with a check box, a status word and a selected
// row. The main window's list view is the real one.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "vault/folder_list.h"

class FolderRows : public FolderList {
public:
    // Append adds at the end, or in sort order while the list is sorted by a column.
    virtual bool IsChecked(std::size_t index) const = 0;
    virtual void SetChecked(std::size_t index, bool checked) = 0;
    virtual void SetStatus(std::size_t index, const std::string& status) = 0;
    // Takes out the rows at `ascending` positions (each once). Lines of the list file kept
    // before a removed entry pass to the next one that stays (RemoveRowsKeepingLines).
    virtual void RemoveRows(const std::vector<std::size_t>& ascending) = 0;
    virtual void SetMissing(std::size_t index, bool missing) = 0;
    virtual std::optional<std::size_t> Selected() const = 0;
};
