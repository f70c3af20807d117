#pragma once
// The commands the user gives on the folder list: add, remove, hide, show, tick and repair.
// Each one that changes entries or the disk ends by saving the list.

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/prompter.h"
#include "vault/batch_runner.h"
#include "vault/folder_disk.h"
#include "vault/folder_hider.h"
#include "vault/folder_rows.h"
#include "vault/list_storage.h"
#include "vault/remove_undo.h"

// The first panel of the main window's status bar.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual void SetText(const std::string& text) = 0;
};

// Hears how a command over many folders goes, and may stop it. A stopped command keeps what it
// has done, saves, and reports what it did.
class BatchProgress {
public:
    virtual ~BatchProgress() = default;
    // `done` of `total` folders have been handled; false asks the command to stop there.
    virtual bool Advance(std::size_t done, std::size_t total) = 0;
};

// A folder dialog: the chosen folder's full path, or empty text when cancelled.
class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    virtual std::string PickFolder() = 0;
};

enum class AddVerdict {
    Cancelled,           // the picker returned nothing
    ContainsProgram,     // the program folder's path contains the choice
    Drive,               // a drive root such as C:\ (three characters)
    Unstorable,          // the list file cannot carry the path's characters
    TooLong,             // the hidden name would exceed what the system can rename to
    NeedsSystemWarning,  // under \program files or \windows: allowed after a warning
    Allowed,
};

// Paths as the system sees them. The list keeps paths as picked; these serve only to compare.
class PathRules {
public:
    virtual ~PathRules() = default;
    // The full, long, normalised form of a path (no 8.3 names, no "..", no trailing
    // backslash but a drive root's); the text itself when it cannot be resolved.
    virtual std::string CanonicalPath(std::string_view path) const = 0;
    // Every letter folded as the system's ordinal comparison without regard to case does.
    virtual std::string FoldCase(std::string_view text) const = 0;
};

// The longest hidden path (suffix included, in UTF-16 units) a plain rename accepts.
inline constexpr std::size_t kMaxHiddenPathLength = 259;

// Add's safety tests, in their order; the first that applies decides. The program folder is
// recognised by its text as given, and, with `pathRules`, by its full long form in any case
// and any spelling, so that the folder holding the program and its list is never hidden.
AddVerdict JudgeFolderToAdd(std::string_view picked,
                            std::string_view programFolder,
                            const CodePage& codePage,
                            const PathRules* pathRules = nullptr);

// Whether `text` contains `part`, compared without regard to the case of ASCII letters.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

using SteadyClock = std::chrono::steady_clock::time_point (*)();

// A batch saves the list at least this often, so that an interruption loses at most this much
// work; what it loses, the check against the disk at the next start puts right.
inline constexpr std::chrono::milliseconds kBatchSaveInterval{250};
// A batch shows this many failure messages; the rest are listed in one box at its end.
inline constexpr int kBatchFailureBoxes = 3;

// What the disk showed of a path a moment ago, or nothing when it was not looked at.
using PresenceLookup = std::function<std::optional<FolderPresence>(const std::string& path)>;

struct CommandEnvironment {
    FolderRows& rows;
    FolderDisk& disk;
    Prompter& prompter;
    ListStorage& storage;
    const CodePage& codePage;
    StatusLine& status;
    FolderPicker& picker;
    const std::string& programFolder;  // UTF-8, as the running executable's folder
    const std::string& appTitle;       // read at each use: stealth mode may change it
    SteadyClock now = &std::chrono::steady_clock::now;
    const PathRules* pathRules = nullptr;  // without, only ASCII letters fold, on the texts
    BatchProgress* progress = nullptr;     // Hide, Show, their "All" forms and Remove report to it
    // Where the folder work of Hide, Show, their "All" forms and Remove runs; without one, in
    // the command itself, reporting to `progress`.
    BatchRunner* runner = nullptr;
};

class FolderCommands {
public:
    explicit FolderCommands(CommandEnvironment environment)
        : m_env(environment), m_inline(m_env.prompter, m_env.progress) {}

    void Add();
    // Folders dragged onto the list, in the order given: each goes through Add's tests and
    // messages as if it had been picked.
    void AddDropped(const std::vector<std::string>& paths);
    void RemoveTicked();
    void RemoveAll();
    void HideTicked();
    void ShowTicked();
    void HideAll();
    void ShowAll();
    void CheckAll();
    void UncheckAll();
    // The rows the last Remove took out, back where they were; saved, and said in the status
    // bar. Nothing when the list has changed since.
    void PutBackRemoved(RemoveUndo& undo);
    // The two repairs of the right-click menu: the selected row's status word, then a save.
    void MarkSelectedVisible();
    void MarkSelectedHidden();
    // Brings the entries in line with what the disk showed at start (a batch cut short by a
    // crash leaves folders renamed that the list still calls "Visible"). Corrections are saved
    // and counted in the status bar; the result is their number.
    std::size_t ApplyDiskCheck(const PresenceLookup& seen);
    // Folders found on disk under their hidden names (given by their real paths) put on the
    // list as "Hidden". Those the list holds already are left out; those whose path the list
    // file cannot store are named in one message. Saves; the result is the paths added.
    std::vector<std::string> AddFoundHidden(const std::vector<std::string>& realPaths);
    // Reveals found folders, each before the folders inside it, through `runner`; the list is
    // not changed. Failures are told as a batch's are; at the end `revealed` hears the paths
    // revealed.
    void RevealFound(const std::vector<std::string>& realPaths,
                     BatchRunner& runner,
                     std::function<void(std::vector<std::string>)> revealed);

private:
    void AddFolder(const std::string& picked);
    using FolderOperation = bool (*)(const std::string&, FolderDisk&, Prompter&);

    // Runs `operation` on each ticked entry whose status is `from`; each success turns it
    // into `to`. Saves as it goes and at the end, and reports.
    void MoveTicked(std::string_view from, std::string_view to, FolderOperation operation);
    BatchRunner& Runner() { return m_env.runner ? *m_env.runner : m_inline; }
    bool Save();
    void Refuse(const std::string& text);
    void MarkSelected(std::string_view status);

    CommandEnvironment m_env;
    InlineBatchRunner m_inline;
};
