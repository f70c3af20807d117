#pragma once
// The main window: the button bar, the banner, the folder list, the status bar and the
// menus, routed to the folder commands.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/held_back_prompter.h"
#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "platform/window_win.h"
#include "present/product_info.h"
#include "protect/settings_store.h"
#include "shell/batch_progress_win.h"
#include "shell/disk_check_win.h"
#include "shell/dropped_folders_win.h"
#include "shell/folder_list_view_win.h"
#include "shell/folder_picker_win.h"
#include "shell/long_command_win.h"
#include "shell/main_controls_win.h"
#include "shell/main_menu.h"
#include "shell/path_rules_win.h"
#include "shell/program_host.h"
#include "shell/startup_trace_win.h"
#include "shell/stealth_mode_win.h"
#include "shell/window_geometry.h"
#include "vault/folder_disk_win.h"
#include "vault/list_commands.h"
#include "vault/list_storage_win.h"

// The status bar's first part. While no command has anything to say there (at start, or when
// one sets an empty text) it shows the list's totals, kept up to date by RefreshTotals.
class StatusBarLine final : public StatusLine {
public:
    void Attach(HWND statusBar, std::function<std::string()> totals) {
        m_statusBar = statusBar;
        m_totals = std::move(totals);
    }
    void SetText(const std::string& text) override;
    void RefreshTotals();

private:
    void Show(const std::string& text);

    HWND m_statusBar = nullptr;
    std::function<std::string()> m_totals;
    bool m_showsTotals = true;
};

class MainWindow final : public Window, public GuardedWindow {
public:
    // `programFolder`: where the program and its list live.
    // `appTitle`: the program's title as stealth mode leaves it, read at each use.
    MainWindow(ProductInfo& productInfo,
               SettingsStore& settings,
               ProgramHost& host,
               const std::wstring& programFolder,
               std::string& appTitle);
    ~MainWindow() override;

    // Creates the window and its controls, hidden and empty: work that can be done while the
    // start-up window pauses. False when a control could not be created.
    bool Build();
    // Builds the window unless that is done, then runs its load up to the caption and the list.
    // False when the program should end (the window could not be built or the folder list could
    // not be read); the user has been told why.
    bool Create(bool startInStealth);
    // The rest of the load: the first-run help, then the window shown (or stealth mode).
    void FinishLoad();

    HWND WindowHandle() const override { return Handle(); }
    // Brings the window back: out of stealth mode or the minimised state.
    void ResumeStart() override;
    void HideAll() override;
    void ShowAll() override;
    void OnHotkey(WPARAM wParam, LPARAM lParam);
    // The window's own keys (see ShortcutFor), looked at before the dialog keys. True when the
    // key was one of them and has been acted on.
    bool TranslateShortcut(const MSG& message);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateControls();
    bool Load();
    void Layout();
    void UpdateFonts();
    int Dpi() const;
    void OnCommand(int id);
    LRESULT OnNotify(const NMHDR& header);
    void ShowRowMenu(POINT screenPoint);
    void KeepFocusOverActivation(bool deactivated, bool minimised);
    std::string ListTotals() const;
    // The status bar's totals follow the list, unless a command's words or count stand there.
    void RefreshIdleTotals();
    // A visible folder opens in Explorer; a hidden or missing one only beeps.
    void OpenFolderAt(std::size_t index);
    void KeepColumnWidths();
    void RunBusy(void (FolderCommands::*command)());
    // The row menu's commands and Delete in the list: on the ticked rows, or on the highlighted
    // ones while none is ticked (ticked for the command only).
    void RunOnHighlightedOrTicked(void (FolderCommands::*command)());
    // Remove and Remove All: what they take out can be put back (File > Undo Remove, Ctrl+Z).
    // `highlightedWhenNoneTicked`: the row menu's and Delete's form (RunOnHighlightedOrTicked).
    void RunRemove(void (FolderCommands::*command)(), bool highlightedWhenNoneTicked);
    // While a long command runs: Cancel stops it, what would change the list waits for its
    // end, and the rest (help, options, the web site) happens at once.
    void OnCommandWhileBusy(int id);
    void OpenFindHidden();
    void StartDiskCheck();
    void OnDiskChecked();
    void TellHeldBack();
    void ReportListNotRead(const RuntimeError& error);
    // Stealth mode needs the way back: without CTRL+SHIFT+ALT+M it is refused, and said once.
    void OnMinimized();
    // The size, place and maximised state the user left the window in, from the last run.
    void Unload();

    ProductInfo& m_productInfo;
    SettingsStore& m_settings;
    ProgramHost& m_host;
    std::wstring m_programFolder;
    std::string m_programFolderUtf8;
    std::string& m_appTitle;
    bool m_startInStealth = false;  // nothing shows until CTRL+SHIFT+ALT+M

    MainControls m_controls;
    FolderListView m_list;
    RepairMenuState m_repairMenu;
    RemoveUndo m_removeUndo;
    StartupTrace m_startupTrace;

    StatusBarLine m_statusLine;
    MessageBoxPrompter m_prompter;
    // What loading the list had to say during a start in stealth mode, until the window shows.
    std::optional<HeldBackPrompter> m_heldBack;
    StealthMode m_stealth;  // after the prompter it speaks through
    Win32FolderDisk m_disk;
    SystemCodePage m_codePage;
    Win32PathRules m_pathRules;
    std::unique_ptr<FolderListStorage> m_storage;
    std::unique_ptr<SystemFolderPicker> m_picker;
    std::unique_ptr<FolderCommands> m_commands;
    StartupDiskCheck m_diskCheck;
    StatusBarProgress m_batchProgress;
    // One long command at a time, its folder work on a worker thread.
    LongCommand m_longCommand{m_list, m_batchProgress, m_prompter};
    bool m_loaded = false;                     // the list read and the window placed
    HWND m_focusBeforeDeactivation = nullptr;  // given back when the window is active again
    bool m_startMaximised = false;
    // The column widths the user dragged (twips), kept over resizes and restarts.
    std::optional<ColumnWidths> m_userColumns;
    std::unique_ptr<DroppedFolders> m_dropped;  // while the window is there
};
