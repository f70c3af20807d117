#pragma once
// The commands the user gives on the folder list: add, remove, hide, show, tick and repair.
// Each one that changes entries or the disk ends by saving the list.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "vault/code_page.h"
#include "vault/folder_disk.h"
#include "vault/folder_rows.h"
#include "vault/list_storage.h"

// The first panel of the main window's status bar.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual void SetText(const std::string& text) = 0;
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

// The longest hidden path (suffix included, in UTF-16 units) a plain rename accepts.
inline constexpr std::size_t kMaxHiddenPathLength = 259;

// Add's safety tests, in their order; the first that applies decides.
AddVerdict JudgeFolderToAdd(std::string_view picked,
                            std::string_view programFolder,
                            const CodePage& codePage);

// Whether `text` contains `part`, compared without regard to the case of ASCII letters.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

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
};

class FolderCommands {
public:
    explicit FolderCommands(CommandEnvironment environment) : m_env(environment) {}

    void Add();
    void RemoveTicked();
    void RemoveAll();
    void HideTicked();
    void ShowTicked();
    void HideAll();
    void ShowAll();
    void CheckAll();
    void UncheckAll();
    // The two repairs of the right-click menu: the selected row's status word only.
    void MarkSelectedVisible();
    void MarkSelectedHidden();

private:
    using FolderOperation = bool (*)(const std::string&, FolderDisk&, Prompter&);

    // Runs `operation` on each ticked entry whose status is `from`; each success turns it
    // into `to`. Reports and saves; the result is the number moved.
    int MoveTicked(std::string_view from, std::string_view to, FolderOperation operation);
    void Save();
    void Refuse(const std::string& text);
    void MarkSelected(std::string_view status);

    CommandEnvironment m_env;
};
