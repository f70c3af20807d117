#pragma once
// "Show every listed folder" without a window, for whoever must not leave a folder hidden (the
// uninstaller): the list is read, set right against the disk, every hidden folder revealed,
// and the list saved. And the count of hidden folders that tells whether that is needed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/prompter.h"
#include "vault/folder_disk.h"
#include "vault/list_storage.h"

struct ShowAllOutcome {
    bool listRead = false;
    std::size_t listed = 0;
    std::size_t made = 0;         // folders revealed by this run
    std::size_t stillHidden = 0;  // listed folders the list or the disk still calls hidden

    friend bool operator==(const ShowAllOutcome&, const ShowAllOutcome&) = default;
};

// Whether a status word read from the list says "Hidden", whatever its letter case and the
// blanks around it.
bool SaysHidden(std::string_view status);

// Exit codes of /showall.
inline constexpr int kShowAllEveryFolderVisible = 0;
inline constexpr int kShowAllSomeStillHidden = 1;
inline constexpr int kShowAllNoPassword = 3;

// Both list files are read (a hidden folder either one lists is shown), and one that is there
// but cannot be read stops the run before anything changes. Messages that would be boxes in
// the window go to `prompter`. A folder counts as still hidden
// when the saved list calls it "Hidden" or it is found under its hidden name: a list that could
// not be saved, or a folder on a drive that is not there, keeps the run from counting as done.
ShowAllOutcome ShowEveryListedFolder(ListStorage& storage,
                                     FolderDisk& disk,
                                     const CodePage& codePage,
                                     Prompter& prompter,
                                     const std::string& programFolder,
                                     const std::string& appTitle);

// How many folders either list file or the disk calls hidden now, reading only; nothing when
// a list file that is there cannot be read.
std::optional<std::size_t> CountListedHidden(ListStorage& storage,
                                             FolderDisk& disk,
                                             const CodePage& codePage,
                                             Prompter& prompter,
                                             const std::string& appTitle);

// The exit code of /hiddencount: the number, up to kHiddenCountMost; kHiddenCountUnknown when
// the list cannot be read.
inline constexpr int kHiddenCountMost = 250;
inline constexpr int kHiddenCountUnknown = 255;
int HiddenCountExitCode(const std::optional<std::size_t>& count);

int ShowAllExitCode(const ShowAllOutcome& outcome);
// One line for the console.
std::string ShowAllSummary(const ShowAllOutcome& outcome);
