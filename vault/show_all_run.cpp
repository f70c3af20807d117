#include "vault/show_all_run.h"

#include <algorithm>

#include "vault/folder_hider.h"
#include "vault/list_commands.h"
#include "vault/list_file.h"
#include "vault/memory_folder_rows.h"

namespace {

class NoStatusLine final : public StatusLine {
public:
    void SetText(const std::string&) override {}
};

class NoPicker final : public FolderPicker {
public:
    std::string PickFolder() override { return {}; }
};

std::size_t CountHidden(const FolderList& rows) {
    std::size_t hidden = 0;
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        hidden += rows.At(i).status == kStatusHidden ? 1 : 0;
    }
    return hidden;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A folder the list calls hidden (however it is written) or the disk shows under its hidden
// name.
bool StillHidden(const FolderEntry& entry, FolderDisk& disk) {
    return SaysHidden(entry.status) || LookAtFolder(entry.path, disk).hidden;
}

// Both list files, or why they could not be read (said through `prompter`).
bool LoadForCommandLine(MemoryFolderRows& rows,
                        ListStorage& storage,
                        FolderDisk& disk,
                        const CodePage& codePage,
                        Prompter& prompter,
                        const std::string& appTitle) {
    std::string unreadable;
    const auto stillHidden = [&disk](const FolderEntry& entry) { return StillHidden(entry, disk); };
    const Outcome loaded = LoadBothLists(rows, storage, codePage, stillHidden, unreadable);
    if (loaded.Failed()) {
        prompter.Ask("The folder list could not be read from:\r\n\r\n" + unreadable + "\r\n\r\n" +
                         ErrorLines(loaded.Error()),
                     appTitle, PromptButtons::Ok, PromptIcon::Error);
        return false;
    }
    return true;
}

}  // namespace

bool SaysHidden(std::string_view status) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = status.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return false;
    }
    status = status.substr(first, status.find_last_not_of(kBlanks) - first + 1);
    return std::equal(status.begin(), status.end(), kStatusHidden.begin(), kStatusHidden.end(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

ShowAllOutcome ShowEveryListedFolder(ListStorage& storage,
                                     FolderDisk& disk,
                                     const CodePage& codePage,
                                     Prompter& prompter,
                                     const std::string& programFolder,
                                     const std::string& appTitle) {
    ShowAllOutcome outcome;
    MemoryFolderRows rows;
    if (!LoadForCommandLine(rows, storage, disk, codePage, prompter, appTitle)) {
        return outcome;
    }
    outcome.listRead = true;
    outcome.listed = rows.Count();
    // "hidden", "HIDDEN" or " Hidden" in a list edited by hand mean what they say.
    for (FolderEntry& entry : rows.entries) {
        if (entry.status != kStatusHidden && SaysHidden(entry.status)) {
            entry.status = std::string(kStatusHidden);
        }
    }

    NoStatusLine status;
    NoPicker picker;
    FolderCommands commands(CommandEnvironment{rows, disk, prompter, storage, codePage, status,
                                               picker, programFolder, appTitle});
    // A batch cut short leaves folders renamed that the list calls "Visible": those first.
    commands.ApplyDiskCheck([&disk](const std::string& path) { return LookAtFolder(path, disk); });
    const std::size_t hiddenBefore = CountHidden(rows);
    commands.ShowAll();
    outcome.made = hiddenBefore - CountHidden(rows);

    // What counts is what was saved and what the disk holds, not what this run believes.
    const auto stillHidden = CountListedHidden(storage, disk, codePage, prompter, appTitle);
    outcome.stillHidden = stillHidden ? *stillHidden : std::max<std::size_t>(1, CountHidden(rows));
    return outcome;
}

std::optional<std::size_t> CountListedHidden(ListStorage& storage,
                                             FolderDisk& disk,
                                             const CodePage& codePage,
                                             Prompter& prompter,
                                             const std::string& appTitle) {
    MemoryFolderRows rows;
    if (!LoadForCommandLine(rows, storage, disk, codePage, prompter, appTitle)) {
        return std::nullopt;
    }
    std::size_t hidden = 0;
    for (const FolderEntry& entry : rows.entries) {
        if (StillHidden(entry, disk)) {
            ++hidden;
        }
    }
    return hidden;
}

int HiddenCountExitCode(const std::optional<std::size_t>& count) {
    if (!count) {
        return kHiddenCountUnknown;
    }
    return static_cast<int>(std::min<std::size_t>(*count, kHiddenCountMost));
}

int ShowAllExitCode(const ShowAllOutcome& outcome) {
    return outcome.listRead && outcome.stillHidden == 0 ? kShowAllEveryFolderVisible
                                                        : kShowAllSomeStillHidden;
}

std::string ShowAllSummary(const ShowAllOutcome& outcome) {
    if (!outcome.listRead) {
        return "The folder list could not be read: no folder was shown.";
    }
    std::string line = "Made " + std::to_string(outcome.made) + " folders Visible";
    if (outcome.stillHidden == 0) {
        return line + "; every listed folder is visible.";
    }
    return line + "; " + std::to_string(outcome.stillHidden) + " listed folders are still hidden.";
}
