#include "vault/list_file.h"

#include "vault/text_codec.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kInvalidArgumentError = 5;

// Calls `onEntry(path, status)` for each entry line; `line` is scratch space, reused from line to
// line to spare an allocation per entry.
template <class OnEntry>
void ParseLine(std::string_view rawLine, std::string& line, OnEntry&& onEntry) {
    if (rawLine.empty() || rawLine == " ") {
        return;
    }
    line.assign(rawLine);
    ToggleHighBitInPlace(line);
    const std::string_view text = line;
    const auto first = text.find(kEntrySeparator);
    if (first == std::string_view::npos) {
        return;
    }
    const auto statusStart = first + kEntrySeparator.size();
    const auto second = text.find(kEntrySeparator, statusStart);
    const auto statusLength = second == std::string_view::npos ? text.npos : second - statusStart;
    onEntry(text.substr(0, first), text.substr(statusStart, statusLength));
}

// Lines end only at CR LF: an encoded byte 0x8D is a lone CR, and it belongs to the entry.
template <class OnEntry>
void ForEachStoredEntry(std::string_view fileBytes, OnEntry&& onEntry) {
    std::string line;
    std::size_t lineStart = 0;
    while (lineStart < fileBytes.size()) {
        auto lineEnd = fileBytes.find(kLineBreak, lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = fileBytes.size();
        }
        ParseLine(fileBytes.substr(lineStart, lineEnd - lineStart), line, onEntry);
        lineStart = lineEnd + kLineBreak.size();
    }
}

}  // namespace

std::vector<StoredEntry> ParseListBytes(std::string_view fileBytes) {
    std::vector<StoredEntry> entries;
    ForEachStoredEntry(fileBytes, [&](std::string_view path, std::string_view status) {
        entries.push_back({std::string(path), std::string(status)});
    });
    return entries;
}

std::string FormatListBytes(const std::vector<StoredEntry>& entries) {
    std::string bytes;
    std::size_t size = 0;
    for (const auto& entry : entries) {
        size += entry.path.size() + kEntrySeparator.size() + entry.status.size() + 2;
    }
    bytes.reserve(size);
    for (const auto& entry : entries) {
        const std::size_t lineStart = bytes.size();
        bytes += entry.path;
        bytes += kEntrySeparator;
        bytes += entry.status;
        auto* data = reinterpret_cast<unsigned char*>(bytes.data());
        for (std::size_t i = lineStart; i < bytes.size(); ++i) {
            data[i] ^= 0x80u;
        }
        bytes += kLineBreak;
    }
    return bytes;
}

bool CanStoreInListFile(std::string_view pathBytes) {
    // A trailing "|*" would join the separator that follows it into an earlier one.
    return pathBytes.find("\x8D\x8A") == std::string_view::npos &&
           pathBytes.find(kEntrySeparator) == std::string_view::npos && !pathBytes.ends_with("|*");
}

Outcome LoadList(FolderList& list, const ListStorage& storage, const CodePage& codePage) {
    if (!storage.FileExists(kListFileName)) {
        return Outcome::Success();
    }
    std::string bytes;
    if (auto read = storage.ReadContent(kListFileName, bytes); read.Failed()) {
        return read;
    }
    // Straight into the list: a large file never exists twice over in memory.
    ForEachStoredEntry(bytes, [&](std::string_view path, std::string_view status) {
        list.Append({codePage.ToUtf8(path), codePage.ToUtf8(status), false});
    });
    return Outcome::Success();
}

namespace {

// Code-page bytes of every entry, or a failure naming the first entry the file cannot carry.
Outcome EncodeEntries(const FolderList& list,
                      const CodePage& codePage,
                      std::vector<StoredEntry>& stored) {
    stored.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const FolderEntry entry = list.At(i);
        auto path = codePage.FromUtf8(entry.path);
        auto status = codePage.FromUtf8(entry.status);
        if (!path || !status || !CanStoreInListFile(*path) || !CanStoreInListFile(*status)) {
            // Writing a mangled path would strand its folder; keep the previous file instead.
            return Outcome::Failure(
                {kInvalidArgumentError, "The folder \"" + entry.path +
                                            "\" has characters that the list file cannot store."});
        }
        stored.push_back({std::move(*path), std::move(*status)});
    }
    return Outcome::Success();
}

std::string ErrorLines(const RuntimeError& error) {
    return "Error " + std::to_string(error.number) + "\r\n" + error.description;
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
    std::vector<StoredEntry> stored;
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
