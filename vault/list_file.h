#pragma once
// The folder list file data.dat and its backup data.bak: one entry a line, "path|*|status"
// passed whole through ToggleHighBit, each line ended by an unencoded CR LF. Lines the program
// does not understand are kept, byte for byte, through every save.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/outcome.h"
#include "platform/prompter.h"
#include "vault/folder_list.h"
#include "vault/list_storage.h"

inline constexpr std::string_view kListFileName = "data.dat";
inline constexpr std::string_view kBackupFileName = "data.bak";
inline constexpr std::string_view kEntrySeparator = "|*|";
// No real list comes near this; a larger file is not read at all.
inline constexpr std::size_t kMaxListFileBytes = 64u << 20;

// An entry as it stands in the file, in code-page bytes, after decoding.
struct StoredEntry {
    std::string path;
    std::string status;
    std::string rest = {};        // pieces after the status, separators included: "|*|c"
    std::string keptBefore = {};  // raw lines before it that hold no entry, each + CR LF

    friend bool operator==(const StoredEntry&, const StoredEntry&) = default;
};

struct StoredList {
    std::vector<StoredEntry> entries;
    std::string keptTail;  // raw lines after the last entry that hold no entry, each + CR LF

    friend bool operator==(const StoredList&, const StoredList&) = default;
};

StoredList ParseListBytes(std::string_view fileBytes);
std::string FormatListBytes(const StoredList& list);

// Whether a path (in code-page bytes) comes back unchanged from the file. A pair of bytes
// 0x8D 0x8A would encode as the line break, and a separator (whole, or completed by the one
// that follows the path) would split the entry.
bool CanStoreInListFile(std::string_view pathBytes);

// Fills the empty `list` from data.dat, or from data.bak when data.dat is missing, unreadable or
// holds no entry while the backup holds some (the user is told, or asked which to load, and
// data.dat is written again). A failure means the list could not be read at all, and the
// program must not go on: a save would overwrite the unread list. It has not been shown.
Outcome LoadList(FolderList& list,
                 ListStorage& storage,
                 const CodePage& codePage,
                 Prompter& prompter,
                 const std::string& appTitle);

// For the command line, which can ask no one and must never lose a hidden folder: data.dat and
// data.bak are both read and nothing is written. data.dat's entries come first, then each entry
// of data.bak that data.dat lacks and `stillNeeded` asks for (a folder still hidden); when
// data.dat holds no entry, the backup is taken whole. A file that is there but cannot be read
// fails the load, its path in `unreadable`: it may be the only record of a hidden folder.
Outcome LoadBothLists(FolderList& list,
                      const ListStorage& storage,
                      const CodePage& codePage,
                      const std::function<bool(const FolderEntry&)>& stillNeeded,
                      std::string& unreadable);

// Writes the list to data.dat and then the same bytes to data.bak, each replaced as a whole, so
// a failure leaves the previous data.dat in place. A failure is shown to the user, since a list
// that silently stayed unsaved would lose its hidden folders at the next start; the result says
// whether data.dat now holds the list.
bool SaveList(const FolderList& list,
              ListStorage& storage,
              const CodePage& codePage,
              Prompter& prompter);
