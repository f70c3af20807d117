#pragma once
// One row of the folder list.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kStatusVisible = "Visible";
inline constexpr std::string_view kStatusHidden = "Hidden";

// How an entry stood in the list file. A save writes back every byte the program read, so a
// damaged or hand-edited file never loses what the program does not understand.
struct EntryOrigin {
    std::string keptBefore;    // raw lines just before the entry that hold no entry, each + CR LF
    bool lineRead = false;     // whether the entry itself came from the file (the fields below)
    bool pathAsShown = false;  // the path piece's bytes are the entry's path: `path` is not kept
    std::string path;          // the path piece, decoded, in code-page bytes
    std::string status;        // the status piece as read, decoded, in code-page bytes
    std::string rest;          // what followed the status piece, decoded: "" or "|*|..."
    std::string loadedStatus;  // `status` as the program showed it (UTF-8)
};

struct FolderEntry {
    std::string path;    // UTF-8, exactly as picked: never normalised, never changed once listed
    std::string status;  // "Visible", "Hidden", or any word read from the list file
    bool checked = false;
    bool missing = false;  // found under neither name at the last look at the disk; not stored
    std::shared_ptr<const EntryOrigin> origin = {};  // null for entries added in this run

    // The origin and the missing mark are bookkeeping: two entries are equal by what is shown.
    friend bool operator==(const FolderEntry& a, const FolderEntry& b) {
        return a.path == b.path && a.status == b.status && a.checked == b.checked;
    }
};

// "C:\..." or "\\server\share...": a path that names the same folder whatever the current
// folder is. "Data", "\Data" and "Z:Data" each depend on where the program was started.
bool IsFullPath(std::string_view path);

// Takes the entry at `index` out of `rows`. The list file lines kept before it pass to the entry
// that follows, or to `keptTail` when it was the last.
void RemoveKeepingLines(std::vector<FolderEntry>& rows, std::string& keptTail, std::size_t index);

// Takes the entries at `ascending` positions (each once) out of `rows` in one pass, with their
// kept lines passed on as RemoveKeepingLines would, one entry at a time.
void RemoveRowsKeepingLines(std::vector<FolderEntry>& rows,
                            std::string& keptTail,
                            const std::vector<std::size_t>& ascending);
