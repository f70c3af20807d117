#pragma once
// The folder list file data.dat and its backup data.bak: one entry a line, "path|*|status"
// passed whole through ToggleHighBit, each line ended by an unencoded CR LF.

#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"
#include "platform/prompter.h"
#include "vault/code_page.h"
#include "vault/folder_list.h"
#include "vault/list_storage.h"

inline constexpr std::string_view kListFileName = "data.dat";
inline constexpr std::string_view kBackupFileName = "data.bak";
inline constexpr std::string_view kEntrySeparator = "|*|";

// An entry as it stands in the file, in code-page bytes, after decoding.
struct StoredEntry {
    std::string path;
    std::string status;

    friend bool operator==(const StoredEntry&, const StoredEntry&) = default;
};

std::vector<StoredEntry> ParseListBytes(std::string_view fileBytes);
std::string FormatListBytes(const std::vector<StoredEntry>& entries);

// Whether a path (in code-page bytes) comes back unchanged from the file. A pair of bytes
// 0x8D 0x8A would encode as the line break, and a separator (whole, or completed by the one
// that follows the path) would split the entry.
bool CanStoreInListFile(std::string_view pathBytes);

// Appends the file's entries to `list`, unchecked. An absent (or hidden) file adds nothing.
Outcome LoadList(FolderList& list, const ListStorage& storage, const CodePage& codePage);

// Writes the list to data.dat and then the same bytes to data.bak, each replaced as a whole, so
// a failure leaves the previous data.dat in place. A failure is shown to the user, since a list
// that silently stayed unsaved would lose its hidden folders at the next start; the result says
// whether data.dat now holds the list.
bool SaveList(const FolderList& list,
              ListStorage& storage,
              const CodePage& codePage,
              Prompter& prompter);
