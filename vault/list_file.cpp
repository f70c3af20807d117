#include "vault/list_file.h"

#include <memory>
#include <set>
#include <utility>

#include "platform/text_codec.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kInvalidArgumentError = 5;
// Encoded forms of a lone CR and a lone LF: as raw bytes they end a line edited by hand.
constexpr char kDecodedCr = '\x8D';
constexpr char kDecodedLf = '\x8A';

bool HasSeparator(std::string_view decoded) {
    return decoded.find(kEntrySeparator) != std::string_view::npos;
}

// A hand-edited file may end lines with a lone CR or LF, which joins entries into one line. Such
// a line is cut at a lone break only where an entry stands on both sides, so a path whose own
// characters encode as CR or LF (such as a Š, 0x8A) stays whole. Calls `onPiece` with each part.
template <class OnPiece>
void SplitAtLoneBreaks(std::string_view decoded, OnPiece&& onPiece) {
    const auto first = decoded.find(kEntrySeparator);
    if (first == std::string_view::npos ||
        decoded.find(kEntrySeparator, first + kEntrySeparator.size()) == std::string_view::npos) {
        onPiece(decoded);
        return;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        if (decoded[i] != kDecodedCr && decoded[i] != kDecodedLf) {
            continue;
        }
        if (HasSeparator(decoded.substr(start, i - start)) && HasSeparator(decoded.substr(i + 1))) {
            onPiece(decoded.substr(start, i - start));
            start = i + 1;
        }
    }
    onPiece(decoded.substr(start));
}

bool IsDecodedBreak(char c) {
    return c == kDecodedCr || c == kDecodedLf;
}

// A blank line or a line end edited by hand (LF or CR alone, CR CR LF) leaves lone breaks
// before the path or after the status. They are dropped where they cannot belong to the entry:
// before a full path (none starts with one) and after a word the program writes.
std::string_view PathWithoutBreaksBefore(std::string_view path) {
    std::string_view trimmed = path;
    while (!trimmed.empty() && IsDecodedBreak(trimmed.front())) {
        trimmed.remove_prefix(1);
    }
    return IsFullPath(trimmed) ? trimmed : path;
}

std::string_view StatusWithoutBreaksAfter(std::string_view status) {
    std::string_view trimmed = status;
    while (!trimmed.empty() && IsDecodedBreak(trimmed.back())) {
        trimmed.remove_suffix(1);
    }
    return trimmed == kStatusVisible || trimmed == kStatusHidden ? trimmed : status;
}

// Reads a decoded line into `list`: an entry, or a line kept as it stands.
void ReadLine(std::string_view decoded, std::string& pendingKept, StoredList& list) {
    const auto first = decoded.find(kEntrySeparator);
    if (first == std::string_view::npos) {
        pendingKept += ToggleHighBit(decoded);
        pendingKept += kLineBreak;
        return;
    }
    const auto statusStart = first + kEntrySeparator.size();
    auto second = decoded.find(kEntrySeparator, statusStart);
    if (second == std::string_view::npos) {
        second = decoded.size();
    }
    std::string_view status = decoded.substr(statusStart, second - statusStart);
    if (second == decoded.size()) {
        status = StatusWithoutBreaksAfter(status);
    }
    list.entries.push_back({std::string(PathWithoutBreaksBefore(decoded.substr(0, first))),
                            std::string(status), std::string(decoded.substr(second)),
                            std::move(pendingKept)});
    pendingKept.clear();
}

void AppendEncodedLine(std::string& bytes, const StoredEntry& entry) {
    const std::size_t lineStart = bytes.size();
    bytes += entry.path;
    bytes += kEntrySeparator;
    bytes += entry.status;
    bytes += entry.rest;
    ToggleHighBitInPlace(bytes, lineStart);
    bytes += kLineBreak;
}

}  // namespace

StoredList ParseListBytes(std::string_view fileBytes) {
    StoredList list;
    std::string pendingKept;
    std::string decoded;
    std::size_t lineStart = 0;
    // Lines end at CR LF; what a lone CR or LF means is decided per line, above.
    while (lineStart < fileBytes.size()) {
        auto lineEnd = fileBytes.find(kLineBreak, lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = fileBytes.size();
        }
        const std::string_view rawLine = fileBytes.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + kLineBreak.size();
        if (rawLine.empty() || rawLine == " ") {
            continue;  // blank lines carry nothing
        }
        decoded.assign(rawLine);
        ToggleHighBitInPlace(decoded);
        SplitAtLoneBreaks(decoded, [&](std::string_view piece) {
            if (!piece.empty() && piece != "\xA0") {  // a raw " " is blank, wherever it stands
                ReadLine(piece, pendingKept, list);
            }
        });
    }
    list.keptTail = std::move(pendingKept);
    return list;
}

std::string FormatListBytes(const StoredList& list) {
    std::string bytes;
    std::size_t size = list.keptTail.size();
    for (const auto& entry : list.entries) {
        size += entry.keptBefore.size() + entry.path.size() + kEntrySeparator.size() +
                entry.status.size() + entry.rest.size() + kLineBreak.size();
    }
    bytes.reserve(size);
    for (const auto& entry : list.entries) {
        bytes += entry.keptBefore;
        AppendEncodedLine(bytes, entry);
    }
    bytes += list.keptTail;
    return bytes;
}

bool CanStoreInListFile(std::string_view pathBytes) {
    // A trailing "|*" would join the separator that follows it into an earlier one; a break
    // byte first would be read as the end of the line before (no full path starts with one).
    return pathBytes.find("\x8D\x8A") == std::string_view::npos &&
           pathBytes.find(kEntrySeparator) == std::string_view::npos &&
           !pathBytes.ends_with("|*") && (pathBytes.empty() || !IsDecodedBreak(pathBytes.front()));
}

namespace {

enum class FileState { Absent, Read, Failed };

struct ListFileRead {
    FileState state = FileState::Absent;
    StoredList list;
    RuntimeError error;
};

// A list file whatever its attributes: a hidden or system data.dat is still the list, and
// taking it for absent would let the next save replace it. Only a file that is not there is.
ListFileRead ReadListFile(const ListStorage& storage, std::string_view name) {
    ListFileRead result;
    std::string bytes;
    if (auto read = storage.ReadContent(name, bytes, kMaxListFileBytes); read.Failed()) {
        const int number = read.Error().number;
        if (number != kFileNotFoundError && number != kPathNotFoundError) {
            result.state = FileState::Failed;
            result.error = read.Error();
        }
        return result;
    }
    result.state = FileState::Read;
    result.list = ParseListBytes(bytes);
    return result;
}

// Whether the entry's line says nothing beyond its path and status word, as nearly every line
// the program wrote itself does.
bool IsPlainLine(const StoredEntry& entry,
                 const std::string& shownPath,
                 const std::string& shownStatus) {
    return entry.keptBefore.empty() && entry.rest.empty() && entry.path == shownPath &&
           entry.status == shownStatus;
}

void Fill(FolderList& list, StoredList&& stored, const CodePage& codePage) {
    // Plain lines with the same status word share one origin: a long list costs one path per
    // entry, not a record of how each line stood.
    std::shared_ptr<const EntryOrigin> plainVisible;
    std::shared_ptr<const EntryOrigin> plainHidden;
    for (auto& entry : stored.entries) {
        FolderEntry row{codePage.ToUtf8(entry.path), codePage.ToUtf8(entry.status), false, false,
                        nullptr};
        const bool visible = row.status == kStatusVisible;
        const bool hidden = row.status == kStatusHidden;
        if ((visible || hidden) && IsPlainLine(entry, row.path, row.status)) {
            auto& shared = visible ? plainVisible : plainHidden;
            if (!shared) {
                auto origin = std::make_shared<EntryOrigin>();
                origin->lineRead = true;
                origin->pathAsShown = true;
                origin->status = row.status;
                origin->loadedStatus = row.status;
                shared = std::move(origin);
            }
            row.origin = shared;
        } else {
            auto origin = std::make_shared<EntryOrigin>();
            origin->keptBefore = std::move(entry.keptBefore);
            origin->lineRead = true;
            origin->loadedStatus = row.status;
            // Most paths read the same in both encodings; one copy of those is enough.
            origin->pathAsShown = row.path == entry.path;
            if (!origin->pathAsShown) {
                origin->path = std::move(entry.path);
            }
            origin->status = std::move(entry.status);
            origin->rest = std::move(entry.rest);
            row.origin = std::move(origin);
        }
        std::string().swap(entry.path);  // the parsed copy is done with: free it as the list fills
        list.Append(std::move(row));
    }
    list.SetKeptTail(std::move(stored.keptTail));
}

std::string FolderCount(std::size_t count) {
    return std::to_string(count) + " folders";
}

}  // namespace

Outcome LoadList(FolderList& list,
                 ListStorage& storage,
                 const CodePage& codePage,
                 Prompter& prompter,
                 const std::string& appTitle) {
    ListFileRead main = ReadListFile(storage, kListFileName);
    if (main.state == FileState::Failed && main.error.number == kFileTooLargeError) {
        return Outcome::Failure(main.error);  // not a list: the backup is not put over it
    }
    if (main.state == FileState::Read && !main.list.entries.empty()) {
        Fill(list, std::move(main.list), codePage);
        return Outcome::Success();
    }
    // data.dat is missing, unreadable or holds no entry: the backup may still hold the list.
    ListFileRead backup = ReadListFile(storage, kBackupFileName);
    if (backup.state != FileState::Read || backup.list.entries.empty()) {
        if (main.state == FileState::Failed) {
            return Outcome::Failure(main.error);
        }
        Fill(list, std::move(main.list), codePage);
        return Outcome::Success();
    }
    const std::string listPath = storage.PathOf(kListFileName);
    const std::string backupCount = FolderCount(backup.list.entries.size());
    if (main.state == FileState::Read) {
        // An empty or damaged data.dat beside a full backup: most likely an interrupted or
        // damaged write, but only the user knows whether the list was emptied on purpose.
        const PromptAnswer answer =
            prompter.Ask("The folder list in:\r\n\r\n" + listPath +
                             "\r\n\r\nholds no folders, but its backup copy lists " + backupCount +
                             ".\r\n\r\nLoad the backup copy?\r\n\r\nYes loads the " + backupCount +
                             " of the backup. No starts with the folder list as it is.",
                         appTitle, PromptButtons::YesNo, PromptIcon::Question);
        if (answer == PromptAnswer::No) {
            Fill(list, std::move(main.list), codePage);
            return Outcome::Success();
        }
    } else {
        const std::string reason =
            main.state == FileState::Absent ? "The file is missing." : ErrorLines(main.error);
        prompter.Ask("The folder list could not be read from:\r\n\r\n" + listPath + "\r\n\r\n" +
                         reason + "\r\n\r\nIts backup copy has been loaded instead (" +
                         backupCount + ") and the folder list saved again.",
                     appTitle, PromptButtons::Ok, PromptIcon::Information);
    }
    Fill(list, std::move(backup.list), codePage);
    (void)SaveList(list, storage, codePage, prompter);  // a failure has been shown
    return Outcome::Success();
}

Outcome LoadBothLists(FolderList& list,
                      const ListStorage& storage,
                      const CodePage& codePage,
                      const std::function<bool(const FolderEntry&)>& stillNeeded,
                      std::string& unreadable) {
    ListFileRead main = ReadListFile(storage, kListFileName);
    ListFileRead backup = ReadListFile(storage, kBackupFileName);
    for (const auto& [read, name] : {std::pair{&main, kListFileName}, {&backup, kBackupFileName}}) {
        if (read->state == FileState::Failed) {
            unreadable = storage.PathOf(name);
            return Outcome::Failure(read->error);
        }
    }
    if (main.list.entries.empty()) {
        Fill(list, std::move(backup.list), codePage);
        return Outcome::Success();
    }
    std::set<std::string, std::less<>> listed;
    for (const auto& entry : main.list.entries) {
        listed.insert(entry.path);
    }
    for (auto& entry : backup.list.entries) {
        if (listed.contains(entry.path) ||
            !stillNeeded(FolderEntry{codePage.ToUtf8(entry.path), codePage.ToUtf8(entry.status),
                                     false, false, nullptr})) {
            continue;
        }
        entry.keptBefore.clear();  // the backup's unread lines belong to the backup's own list
        main.list.entries.push_back(std::move(entry));
    }
    Fill(list, std::move(main.list), codePage);
    return Outcome::Success();
}

namespace {

// `text` as code-page bytes the list file can carry, into `bytes`; false when it has none.
bool EncodeField(const std::string& text, const CodePage& codePage, std::string& bytes) {
    auto encoded = codePage.FromUtf8(text);
    if (!encoded || !CanStoreInListFile(*encoded)) {
        return false;
    }
    bytes = std::move(*encoded);
    return true;
}

Outcome CannotStore(const std::string& what) {
    return Outcome::Failure(
        {kInvalidArgumentError, what + " has characters that the list file cannot store."});
}

// Code-page bytes of every entry, or a failure naming the first entry the file cannot carry.
// An entry read from the file is written from the bytes it was read from, so whatever the
// reader accepted, the writer takes back.
Outcome EncodeEntries(const FolderList& list, const CodePage& codePage, StoredList& stored) {
    stored.entries.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const FolderEntry entry = list.At(i);
        StoredEntry line;
        const EntryOrigin* origin = entry.origin.get();
        if (origin) {
            line.keptBefore = origin->keptBefore;
        }
        if (origin && origin->lineRead) {
            line.path = origin->pathAsShown ? entry.path : origin->path;
            line.rest = origin->rest;
        } else if (!EncodeField(entry.path, codePage, line.path)) {
            // Writing a mangled path would strand its folder; keep the previous file instead.
            return CannotStore("The folder \"" + entry.path + "\"");
        }
        if (origin && origin->lineRead && entry.status == origin->loadedStatus) {
            line.status = origin->status;
        } else if (!EncodeField(entry.status, codePage, line.status)) {
            // Only the program's own words get here, and they must read back alike.
            return CannotStore("The status of the folder \"" + entry.path + "\"");
        }
        stored.entries.push_back(std::move(line));
    }
    stored.keptTail = list.KeptTail();
    return Outcome::Success();
}

void ReportListNotSaved(Prompter& prompter, const RuntimeError& error, const std::string& path) {
    prompter.Ask("The folder list could not be saved to:\r\n\r\n" + path + "\r\n\r\n" +
                     ErrorLines(error) +
                     "\r\n\r\nThe list saved before is unchanged. Your changes stay in the "
                     "window and are saved with the next change that succeeds.",
                 "Error", PromptButtons::Ok, PromptIcon::Error);
}

void ReportBackupNotSaved(Prompter& prompter, const RuntimeError& error, const std::string& path) {
    prompter.Ask("The folder list was saved, but its backup copy could not be written to:\r\n\r\n" +
                     path + "\r\n\r\n" + ErrorLines(error),
                 "Error", PromptButtons::Ok, PromptIcon::Error);
}

}  // namespace

bool SaveList(const FolderList& list,
              ListStorage& storage,
              const CodePage& codePage,
              Prompter& prompter) {
    StoredList stored;
    if (auto encoded = EncodeEntries(list, codePage, stored); encoded.Failed()) {
        ReportListNotSaved(prompter, encoded.Error(), storage.PathOf(kListFileName));
        return false;
    }
    const std::string bytes = FormatListBytes(stored);
    if (auto written = storage.ReplaceContent(kListFileName, bytes); written.Failed()) {
        ReportListNotSaved(prompter, written.Error(), storage.PathOf(kListFileName));
        return false;
    }
    if (auto backedUp = storage.ReplaceContent(kBackupFileName, bytes); backedUp.Failed()) {
        ReportBackupNotSaved(prompter, backedUp.Error(), storage.PathOf(kBackupFileName));
    }
    return true;
}
