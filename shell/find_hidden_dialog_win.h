#pragma once
// File > Find Hidden Folders: searches a folder or the fixed drives for hidden folders the list
// does not hold, shows each under its real name, and puts the ticked ones back on the list as
// "Hidden" or reveals them. Nothing on disk changes unless the user asks.

#include <string>
#include <vector>

#include "platform/dialog_win.h"
#include "platform/message_box_win.h"
#include "shell/batch_worker_win.h"
#include "shell/hidden_folder_search_win.h"
#include "vault/hidden_folder_scan.h"
#include "vault/list_commands.h"

class FindHiddenDialog final : public Dialog {
public:
    FindHiddenDialog(FolderCommands& commands,
                     const FolderList& list,
                     const PathRules* pathRules,
                     MessageBoxPrompter& prompter,
                     const std::string& appTitle,
                     bool skinned,
                     std::wstring browseStart);

    // Shows the window until the user closes it, with `owner` disabled meanwhile.
    void Run(HWND owner);

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct FoundRow {
        std::string realPath;  // UTF-8, as the list would hold it
        std::wstring onDisk;
    };

    void OnInit();
    void OnCommand(int id);
    void Browse();
    void StartScan();
    void FillLastColumn();
    void TakeFound();
    void ShowProgress(ScanStage stage);
    void OnScanEnded(bool finished);
    void SetScanning(bool scanning);
    void AddTicked();
    void RevealTicked();
    void OnRevealed(std::vector<std::string> revealed);
    std::vector<std::string> TickedPaths() const;
    // Takes the rows of these folders off the window's list.
    void DropRows(const std::vector<std::string>& realPaths);
    void UpdateButtons();
    void Close();

    FolderCommands& m_commands;
    const FolderList& m_list;
    const PathRules* m_pathRules;
    MessageBoxPrompter& m_prompter;
    HWND m_previousPromptOwner = nullptr;
    const std::string& m_appTitle;
    bool m_skinned;
    std::wstring m_browseStart;

    HiddenFolderSearch m_search;
    // Reveal Now's folder work, off the window's thread; a close meanwhile waits for its end.
    BatchWorker m_reveal{m_prompter};
    bool m_closeAfterReveal = false;
    ListedFolders m_listed;
    ScanTally m_tally;
    std::vector<FoundRow> m_rows;  // in the order of the window's list
    HWND m_found = nullptr;
};

// What the look-in box says when the search covers every fixed drive.
inline constexpr wchar_t kAllFixedDrives[] = L"All fixed drives";
