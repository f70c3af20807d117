#include "shell/main_window_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <utility>

#include "platform/gdi_win.h"
#include "platform/twips.h"
#include "platform/unique_resource_win.h"
#include "present/high_contrast_win.h"
#include "present/product_info_win.h"
#include "present/skin_form_win.h"
#include "present/skin_label_win.h"
#include "protect/hotkeys.h"
#include "protect/setting_rules.h"
#include "protect/settings_keys.h"
#include "shell/find_hidden_dialog_win.h"
#include "shell/list_sort.h"
#include "shell/main_layout.h"
#include "shell/main_menu.h"
#include "shell/main_menu_win.h"
#include "shell/main_shortcuts.h"
#include "shell/main_window_ids.h"
#include "shell/status_totals.h"
#include "shell/window_geometry.h"
#include "shell/window_geometry_win.h"
#include "vault/list_file.h"

namespace {

constexpr int kClientWidthTwips = 9900;
constexpr int kClientHeightTwips = 7530;

}  // namespace

void StatusBarLine::SetText(const std::string& text) {
    m_showsTotals = text.empty();
    if (m_showsTotals) {
        RefreshTotals();
        return;
    }
    Show(text);
}

void StatusBarLine::RefreshTotals() {
    if (m_showsTotals && m_totals) {
        Show(m_totals());
    }
}

void StatusBarLine::Show(const std::string& text) {
    ::SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

std::string MainWindow::ListTotals() const {
    std::size_t hidden = 0;
    for (std::size_t i = 0; i < m_list.Count(); ++i) {
        hidden += m_list.At(i).status == kStatusHidden;
    }
    wchar_t thousands[8] = {};
    ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, thousands,
                      static_cast<int>(std::size(thousands)));
    return FormatListTotals(m_list.Count(), hidden, Narrow(thousands));
}

MainWindow::MainWindow(ProductInfo& productInfo,
                       SettingsStore& settings,
                       ProgramHost& host,
                       const std::wstring& programFolder,
                       std::string& appTitle)
    : m_productInfo(productInfo),
      m_settings(settings),
      m_host(host),
      m_programFolder(programFolder),
      m_programFolderUtf8(Narrow(m_programFolder)),
      m_appTitle(appTitle),
      m_stealth(m_prompter, appTitle) {}

MainWindow::~MainWindow() = default;

int MainWindow::Dpi() const {
    return WindowDpi(Handle());
}

bool MainWindow::Build() {
    const int dpi = WindowDpi(nullptr);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const SIZE size = OuterSizeForClient({kClientWidthTwips, kClientHeightTwips}, style, true, dpi);
    if (!CreateWindowOf(kMainWindowClass, L"Form1", style, 0, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                        size.cy, nullptr, CreateMainMenu())) {
        return false;
    }
    if (!CreateControls()) {
        ::DestroyWindow(Handle());
        return false;
    }
    return true;
}

bool MainWindow::Create(bool startInStealth) {
    m_startInStealth = startInStealth;
    if (!Handle() && !Build()) {
        m_prompter.Ask(
            m_productInfo.productName + " could not start:\r\n\r\nIts window could not be created.",
            "Error", PromptButtons::Ok, PromptIcon::Error);
        return false;
    }
    m_userColumns = ParseColumnWidths(m_settings.Read(kColumnWidthsKey, ""));
    if (!Load()) {
        ::DestroyWindow(Handle());
        return false;
    }
    m_startMaximised = RestoreWindowGeometry(Handle(), m_settings);
    // Once the skin has its frame: at a high DPI on a small screen the design size is too big,
    // and a screen may have gone since the last run.
    FitInWorkArea(Handle());
    m_loaded = true;
    return true;
}

bool MainWindow::CreateControls() {
    const HWND hwnd = Handle();
    const int dpi = Dpi();
    if (!m_controls.Create(hwnd, dpi) ||
        !m_list.Create(hwnd, IDC_LST_FOLDERS, m_controls.ListFont())) {
        return false;
    }
    m_list.SetDpi(dpi);
    // The window shows no caption over its list, but a screen reader names a list after the
    // label just before it.
    const HWND listName = CreateSkinLabel(hwnd, IDC_LBL_FOLDERS, L"Folders", {0, 0, 0, 0}, true,
                                          m_controls.ListFont());
    const HWND beforeList = ::GetWindow(m_list.Handle(), GW_HWNDPREV);
    ::SetWindowPos(listName, beforeList && beforeList != listName ? beforeList : HWND_TOP, 0, 0, 0,
                   0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_statusLine.Attach(m_controls.StatusBar(), [this] { return ListTotals(); });
    m_dropped = std::make_unique<DroppedFolders>(hwnd, kMsgFoldersDropped);
    m_batchProgress.Attach(m_controls.StatusBar(), m_controls.CancelButton(), m_list.Handle());
    m_longCommand.Attach(hwnd, kMsgBatchWorker, kBatchWorkerTimer);
    return true;
}

void MainWindow::UpdateFonts() {
    const int dpi = Dpi();
    m_controls.ApplyDpi(dpi);
    ::SendMessageW(m_list.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_controls.ListFont()),
                   TRUE);
    m_list.SetDpi(dpi);
}

bool MainWindow::Load() {
    m_startupTrace.LoadStarted();
    m_prompter.SetOwner(Handle());
    m_storage = std::make_unique<FolderListStorage>(m_programFolder);
    m_picker = std::make_unique<SystemFolderPicker>(Handle(), m_programFolder);
    m_commands = std::make_unique<FolderCommands>(
        CommandEnvironment{m_list, m_disk, m_prompter, *m_storage, m_codePage, m_statusLine,
                           *m_picker, m_programFolderUtf8, m_appTitle,
                           &std::chrono::steady_clock::now, &m_pathRules, nullptr, &m_longCommand});

    // A start in stealth mode shows nothing: the backup of an emptied list is loaded without
    // asking, and what the user should know waits until the window is shown.
    Prompter* loadPrompter = &m_prompter;
    if (m_startInStealth) {
        loadPrompter = &m_heldBack.emplace(PromptAnswer::Yes, m_productInfo.productName);
    }
    m_list.SetRedraw(false);
    const Outcome loaded = LoadList(m_list, *m_storage, m_codePage, *loadPrompter, m_appTitle);
    m_list.SetRedraw(true);
    if (loaded.Failed()) {
        ReportListNotRead(loaded.Error());
        return false;
    }

    ::SetWindowTextW(Handle(), Widen(MainWindowCaption(m_productInfo)).c_str());
    m_controls.SetWebsiteCaption(Widen("Visit " + m_productInfo.websiteAddress));
    if (m_productInfo.skinEnabled) {
        ReplaceLabels(Handle());
        SkinForm(Handle());
    }
    Layout();
    m_statusLine.RefreshTotals();
    return true;
}

void MainWindow::ReportListNotRead(const RuntimeError& error) {
    // Going on with an empty list would overwrite the unread one at the first save.
    const std::string path = m_storage->PathOf(kListFileName);
    if (error.number == kFileTooLargeError) {
        m_prompter.Ask("The folder list is too large to be read:\r\n\r\n" + path +
                           "\r\n\r\nA folder list is never larger than " +
                           std::to_string(kMaxListFileBytes >> 20) +
                           " MB, so this file is damaged or is not a folder list. Move it out of "
                           "the program folder, then start " +
                           m_productInfo.productName + " again.",
                       "Error", PromptButtons::Ok, PromptIcon::Error);
        return;
    }
    m_prompter.Ask("The folder list could not be read from:\r\n\r\n" + path + "\r\n\r\n" +
                       ErrorLines(error) +
                       "\r\n\r\nClose any program that might be using it, then start " +
                       m_productInfo.productName + " again.",
                   "Error", PromptButtons::Ok, PromptIcon::Error);
}

void MainWindow::StartDiskCheck() {
    std::vector<std::string> paths;
    paths.reserve(m_list.Count());
    for (std::size_t i = 0; i < m_list.Count(); ++i) {
        paths.push_back(m_list.At(i).path);
    }
    m_diskCheck.Start(Handle(), kMsgDiskChecked, std::move(paths));
}

void MainWindow::OnDiskChecked() {
    m_diskCheck.Stop();  // the thread has ended: what it saw is ours to read
    m_startupTrace.DiskCheckApplying();
    // One repaint for the whole list, not one per row marked.
    m_list.SetRedraw(false);
    m_commands->ApplyDiskCheck([this](const std::string& path) { return m_diskCheck.Seen(path); });
    m_list.SetRedraw(true);
    RefreshIdleTotals();
    m_startupTrace.DiskCheckApplied(m_diskCheck.LookMilliseconds());
}

void MainWindow::FinishLoad() {
    if (m_settings.Read(settings::kShowHelp, settings::kOn) == settings::kOn && !m_startInStealth) {
        m_host.RunHelp(Handle());
        m_settings.Write(settings::kShowHelp, settings::kOff);
    }
    // The hotkeys come first so that stealth mode can check that its way back is there.
    m_stealth.RegisterHotkeys(Handle());
    if (!m_startInStealth || !m_stealth.Enter(Handle(), m_productInfo.productName)) {
        ::ShowWindow(Handle(), m_startMaximised ? SW_SHOWMAXIMIZED : SW_SHOW);
        ::UpdateWindow(Handle());
        ::SetForegroundWindow(Handle());
        ::SetFocus(m_list.Handle());
        m_list.FocusFirstRowIfNone();
        TellHeldBack();
    }
    // After the first paint: the list shows at once, and the disk is looked at meanwhile.
    StartDiskCheck();
    // The web page too: starting the web control takes longer than all the rest of the load.
    if (m_productInfo.bannerEnabled) {
        ::PostMessageW(Handle(), kMsgShowBanner, 0, 0);
    }
}

void MainWindow::KeepColumnWidths() {
    const int dpi = Dpi();
    const auto twips = [&](int column) {
        return PixelsToTwips(
            static_cast<int>(::SendMessageW(m_list.Handle(), LVM_GETCOLUMNWIDTH, column, 0)), dpi);
    };
    m_userColumns = ColumnWidths{twips(0), twips(1)};
    m_list.SetColumnWidths(TwipsToPixels(m_userColumns->folder, dpi),
                           TwipsToPixels(m_userColumns->status, dpi), false);
    m_settings.Write(kColumnWidthsKey, FormatColumnWidths(*m_userColumns));
}

void MainWindow::OnMinimized() {
    if (!ReadsAsOne(m_settings.Read(settings::kStealthMin, settings::kOff))) {
        return;  // an ordinary minimised window
    }
    m_stealth.Enter(Handle(), m_productInfo.productName);
}

void MainWindow::ResumeStart() {
    m_stealth.Leave();
    ::ShowWindow(Handle(), SW_RESTORE);
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetWindowTextW(Handle(), Widen(MainWindowCaption(m_productInfo)).c_str());
    ::SetForegroundWindow(Handle());
    TellHeldBack();
}

void MainWindow::TellHeldBack() {
    if (m_heldBack) {
        m_heldBack->TellHeldBack(m_prompter);
        m_heldBack.reset();
    }
}

// A hotkey pressed while a long command runs is not lost: bringing the window back, or asking
// for the password, happens at once; hiding or showing every folder waits for the command's end.
void MainWindow::OnHotkey(WPARAM wParam, LPARAM lParam) {
    const HotkeyResponse response =
        RespondToHotkey(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam),
                        ReadHotkeySwitches(m_settings));
    if (response.command == HotkeyCommand::None) {
        return;
    }
    if (response.askPassword) {
        m_host.AskPassword(*this, response.passwordAction);  // returns at once
        return;
    }
    switch (response.command) {
        case HotkeyCommand::ResumeStart:
            ResumeStart();
            break;
        case HotkeyCommand::HideAll:
            HideAll();
            break;
        case HotkeyCommand::ShowAll:
            ShowAll();
            break;
        case HotkeyCommand::None:
            break;
    }
}

void MainWindow::Unload() {
    if (!m_loaded) {
        // Destroyed by a start that failed: the size and place kept from the last run still
        // hold, and whoever started it tells the user and ends the program.
        return;
    }
    // Going away mid-command (the session ends): what was done is kept and saved.
    m_longCommand.FinishNow();
    SaveWindowGeometry(Handle(), m_settings);
    m_diskCheck.Stop();
    m_host.MainWindowClosing();
    m_stealth.UnregisterHotkeys(Handle());
    m_host.MainWindowGone();
}

// Also reached from the hotkeys and the password prompt, which may come while another command
// runs: then these follow it, in the order they were asked for.
void MainWindow::HideAll() {
    m_longCommand.WhenDone([this] { RunBusy(&FolderCommands::HideAll); });
}

void MainWindow::ShowAll() {
    m_longCommand.WhenDone([this] { RunBusy(&FolderCommands::ShowAll); });
}

void MainWindow::Layout() {
    if (::IsIconic(Handle())) {
        return;
    }
    const int dpi = Dpi();
    const MainLayout layout = m_controls.Place(Handle(), m_productInfo.bannerEnabled, dpi);
    MoveInTwips(m_list.Handle(), layout.listLeft, layout.listTop, layout.listWidth,
                layout.listHeight, dpi);
    if (m_userColumns) {
        m_list.SetColumnWidths(TwipsToPixels(m_userColumns->folder, dpi),
                               TwipsToPixels(m_userColumns->status, dpi), false);
    } else {
        m_list.SetColumnWidths(
            layout.folderColumnWidth < 0 ? -1 : TwipsToPixels(layout.folderColumnWidth, dpi),
            TwipsToPixels(layout.statusColumnWidth, dpi), true);
    }
}

void MainWindow::OpenFindHidden() {
    FindHiddenDialog dialog(*m_commands, m_list, &m_pathRules, m_prompter, m_appTitle,
                            m_productInfo.skinEnabled, m_programFolder);
    dialog.Run(Handle());
}

void MainWindow::RunBusy(void (FolderCommands::*command)()) {
    m_longCommand.RunCommand([&] { (m_commands.get()->*command)(); });
    m_longCommand.WhenDone([this] { RefreshIdleTotals(); });
}

void MainWindow::RunRemove(void (FolderCommands::*command)(), bool highlightedWhenNoneTicked) {
    m_removeUndo.Before(m_list);
    if (highlightedWhenNoneTicked) {
        RunOnHighlightedOrTicked(command);
    } else {
        RunBusy(command);
    }
    m_longCommand.WhenDone([this] { m_removeUndo.After(m_list); });
}

void MainWindow::RunOnHighlightedOrTicked(void (FolderCommands::*command)()) {
    const std::vector<std::string> tickedForIt = m_list.TickHighlightedWhenNoneTicked();
    RunBusy(command);
    m_longCommand.WhenDone([this, tickedForIt] { m_list.UntickPaths(tickedForIt); });
}

void MainWindow::OnCommandWhileBusy(int id) {
    switch (id) {
        case IDC_CMD_CANCEL_BATCH:
            m_longCommand.RequestStop();
            return;
        case IDM_EXIT:
        case IDC_CMD_OPTIONS:
        case IDM_VIEW_OPTIONS:
        case IDM_VIEW_HELP:
        case IDM_ABOUT:
        case IDC_CMD_WEBSITE:
            break;  // nothing on the list: at once
        default:
            m_longCommand.WhenDone([this, id] { OnCommand(id); });
            return;
    }
    OnCommand(id);
}

void MainWindow::OnCommand(int id) {
    switch (id) {
        case IDC_CMD_ADD:
        case IDM_ADD_FOLDER:
            m_commands->Add();
            break;
        case IDC_CMD_DEL:
        case IDM_REMOVE_SELECTED:
            RunRemove(&FolderCommands::RemoveTicked, false);
            break;
        case IDM_REMOVE_ALL:
            RunRemove(&FolderCommands::RemoveAll, false);
            break;
        case IDM_UNDO_REMOVE:
            m_commands->PutBackRemoved(m_removeUndo);
            break;
        case IDM_EXIT:
            ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
            break;
        case IDM_FILE_FIND:
            OpenFindHidden();
            break;
        case IDC_CMD_SHOW:
        case IDM_SHOW_SELECTED:
            RunBusy(&FolderCommands::ShowTicked);
            break;
        case IDM_SHOW_ALL:
            RunBusy(&FolderCommands::ShowAll);
            break;
        case IDC_CMD_HIDE:
        case IDM_HIDE_SELECTED:
            RunBusy(&FolderCommands::HideTicked);
            break;
        case IDM_HIDE_ALL:
            RunBusy(&FolderCommands::HideAll);
            break;
        case IDM_SELECT_ALL:
            m_commands->CheckAll();
            break;
        case IDM_DESELECT_ALL:
            m_commands->UncheckAll();
            break;
        case RowCommandId(RowCommand::Open):
            if (const auto selected = m_list.Selected()) {
                OpenFolderAt(*selected);
            }
            break;
        case RowCommandId(RowCommand::Hide):
            RunOnHighlightedOrTicked(&FolderCommands::HideTicked);
            break;
        case RowCommandId(RowCommand::Show):
            RunOnHighlightedOrTicked(&FolderCommands::ShowTicked);
            break;
        case RowCommandId(RowCommand::Remove):
            RunRemove(&FolderCommands::RemoveTicked, true);
            break;
        case IDM_MARK_VISIBLE:
            m_commands->MarkSelectedVisible();
            break;
        case IDM_MARK_HIDDEN:
            m_commands->MarkSelectedHidden();
            break;
        case IDC_CMD_OPTIONS:
        case IDM_VIEW_OPTIONS:
            m_host.OpenOptions();
            break;
        case IDM_VIEW_HELP:
            m_host.RunHelp(Handle());
            break;
        case IDM_ABOUT:
            m_host.OpenAbout();
            break;
        case IDC_CMD_WEBSITE:
            m_host.OpenWebsite();
            break;
        default:
            break;
    }
    RefreshIdleTotals();
}

void MainWindow::RefreshIdleTotals() {
    if (!m_longCommand.Running()) {  // the count of a long command stands until its end
        m_statusLine.RefreshTotals();
    }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    LRESULT result = 0;
    if (header.code == TTN_GETDISPINFOW) {
        return m_list.HandleNotify(header, result) ? result : 0;
    }
    if (header.hwndFrom == m_list.Header() &&
        (header.code == HDN_ENDTRACKW || header.code == HDN_DIVIDERDBLCLICKW)) {
        // The new width is set after this notification: read it once it is.
        ::PostMessageW(Handle(), kMsgColumnsDragged, 0, 0);
        return 0;
    }
    if (header.idFrom != IDC_LST_FOLDERS) {
        return 0;
    }
    if (m_list.HandleNotify(header, result)) {
        return result;
    }
    switch (header.code) {
        case LVN_COLUMNCLICK: {
            // Sorted after a long command: its folders' outcomes come back by row.
            const int column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem + 1;
            m_longCommand.WhenDone([this, column] {
                (void)EnhListViewSortColumns(m_list, column, false, m_prompter);
            });
            return 0;
        }
        case NM_CUSTOMDRAW: {
            auto& draw =
                const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
            const bool tracing = m_startupTrace.WaitingForPaint();
            if (tracing && draw.nmcd.dwDrawStage == CDDS_POSTPAINT) {
                m_startupTrace.ListPainted();
            }
            return m_list.CustomDraw(draw, CDRF_DODEFAULT);
        }
        case NM_RCLICK: {
            POINT point{};
            ::GetCursorPos(&point);
            ShowRowMenu(point);
            return 0;
        }
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            LVHITTESTINFO hit{};
            hit.pt = click.ptAction;
            ::SendMessageW(m_list.Handle(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            // A double click on the check box is two ticks, not an opening.
            if (hit.iItem >= 0 && !(hit.flags & LVHT_ONITEMSTATEICON)) {
                OpenFolderAt(static_cast<std::size_t>(hit.iItem));
            }
            return 0;
        }
        default:
            return 0;
    }
}

bool MainWindow::TranslateShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN || !m_commands ||
        (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    if (message.wParam == VK_ESCAPE && m_longCommand.Running()) {
        m_longCommand.RequestStop();
        return true;
    }
    const KeyPress key{static_cast<unsigned>(message.wParam), ::GetKeyState(VK_CONTROL) < 0,
                       message.hwnd == m_list.Handle()};
    switch (ShortcutFor(key)) {
        case MainShortcut::None:
            return false;
        case MainShortcut::RemoveTicked:
            // In the list the key takes the highlighted rows when none is ticked.
            ::SendMessageW(Handle(), WM_COMMAND, RowCommandId(RowCommand::Remove), 0);
            break;
        case MainShortcut::TickAll:
            ::SendMessageW(Handle(), WM_COMMAND, IDM_SELECT_ALL, 0);
            break;
        case MainShortcut::Help:
            ::SendMessageW(Handle(), WM_COMMAND, IDM_VIEW_HELP, 0);
            break;
        case MainShortcut::UndoRemove:
            ::SendMessageW(Handle(), WM_COMMAND, IDM_UNDO_REMOVE, 0);
            break;
        case MainShortcut::ToggleFocusedRow:
            m_list.ToggleFocusedRow();
            break;
        case MainShortcut::OpenSelected:
            if (const auto selected = m_list.Selected()) {
                OpenFolderAt(*selected);
            }
            break;
    }
    return true;
}

// The system would give the focus to the window itself when it comes back (after a dialog, a
// message box or another program), where no key does anything and nothing shows it: the control
// that had it gets it back, or the list.
void MainWindow::KeepFocusOverActivation(bool deactivated, bool minimised) {
    if (deactivated) {
        const HWND focus = ::GetFocus();
        if (focus && ::IsChild(Handle(), focus)) {
            m_focusBeforeDeactivation = focus;
        }
        return;
    }
    if (minimised || !::IsWindowVisible(Handle())) {
        return;
    }
    HWND target = m_focusBeforeDeactivation;
    if (!target || !::IsWindow(target) || !::IsChild(Handle(), target) ||
        !::IsWindowVisible(target) || !::IsWindowEnabled(target)) {
        target = m_list.Handle();
    }
    ::SetFocus(target);
    if (target == m_list.Handle()) {
        m_list.FocusFirstRowIfNone();
    }
}

void MainWindow::OpenFolderAt(std::size_t index) {
    const FolderEntry entry = m_list.At(index);
    if (entry.status != kStatusVisible || !m_disk.FolderExists(entry.path)) {
        ::MessageBeep(MB_OK);
        return;
    }
    ::ShellExecuteW(Handle(), L"open", Widen(entry.path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainWindow::ShowRowMenu(POINT screenPoint) {
    const auto selected = m_list.Selected();
    if (!selected) {
        return;
    }
    const FolderEntry row = m_list.At(*selected);
    m_repairMenu = RepairMenuFor(row.status, m_repairMenu);
    const UniqueMenu menu(
        CreateRowMenu(m_repairMenu, m_list.AnyTicked(), row.status == kStatusVisible));
    const UINT chosen = ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x,
                                         screenPoint.y, 0, Handle(), nullptr);
    if (chosen) {
        OnCommand(static_cast<int>(chosen));
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                OnMinimized();  // and no layout while minimised
            } else if (m_list.Handle()) {
                Layout();
            }
            return 0;
        case WM_INITMENUPOPUP:
            // Put back only while the list is as the last Remove left it.
            ::EnableMenuItem(
                reinterpret_cast<HMENU>(wParam), IDM_UNDO_REMOVE,
                MF_BYCOMMAND |
                    (m_removeUndo.CanUndo(m_list) && !m_longCommand.Running() ? MF_ENABLED
                                                                              : MF_GRAYED));
            break;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            // A high-contrast theme switched on or off: every skinned window follows it.
            if (RefreshHighContrast()) {
                RecolourForContrast();
            }
            ::SendMessageW(m_list.Handle(), message, wParam, lParam);
            break;
        case WM_ACTIVATE:
            KeepFocusOverActivation(LOWORD(wParam) == WA_INACTIVE, HIWORD(wParam) != 0);
            return 0;
        case WM_GETMINMAXINFO: {
            // Never so small that a button of the bar is cut.
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            const SIZE least = OuterSizeForClient({kMinClientWidthTwips, kMinClientHeightTwips},
                                                  WS_OVERLAPPEDWINDOW, true, Dpi());
            limits.ptMinTrackSize = {least.cx, least.cy};
            return 0;
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            UpdateFonts();
            ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                           suggested->right - suggested->left, suggested->bottom - suggested->top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_COMMAND:
            // Hidden in stealth mode, the window takes no command from anyone: another program
            // could post "Show All Folders" to it. The hotkeys are the way back.
            if (m_commands && ::IsWindowVisible(Handle())) {
                if (m_longCommand.Running()) {
                    OnCommandWhileBusy(LOWORD(wParam));
                } else {
                    OnCommand(LOWORD(wParam));
                }
            }
            return 0;
        case kMsgBatchWorker:
            m_longCommand.OnWorkerMessage();
            return 0;
        case WM_HOTKEY:
            OnHotkey(wParam, lParam);
            return 0;
        case WM_TIMER:
            if (wParam == kBatchWorkerTimer) {
                m_longCommand.OnWorkerMessage();
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (m_longCommand.Running() && LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
                return TRUE;
            }
            break;
        case kMsgColumnsDragged:
            KeepColumnWidths();
            return 0;
        case kMsgShowBanner:
            m_controls.ShowWebBanner(Handle(), Widen(m_productInfo.bannerAddress), Dpi());
            return 0;
        case kMsgDiskChecked:
            if (m_commands) {
                // Not under a long command: its rows are applied once it has ended.
                m_longCommand.WhenDone([this] { OnDiskChecked(); });
            }
            return 0;
        case WM_CLOSE:
            if (!m_loaded) {
                return 0;  // built in the start-up pause, not loaded yet: the start goes on
            }
            if (m_longCommand.Running()) {
                // Closed mid-way: the command stops, saves what it did, then the window closes.
                m_longCommand.RequestStop();
                m_longCommand.WhenDone([this] { ::PostMessageW(Handle(), WM_CLOSE, 0, 0); });
                return 0;
            }
            break;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CONTEXTMENU:
            // The keyboard's menu key or Shift+F10 on the list: the menu opens at the selection.
            if (reinterpret_cast<HWND>(wParam) == m_list.Handle() && GET_X_LPARAM(lParam) == -1) {
                RECT row{};
                if (const auto selected = m_list.Selected()) {
                    row.left = LVIR_LABEL;
                    ::SendMessageW(m_list.Handle(), LVM_GETITEMRECT, *selected,
                                   reinterpret_cast<LPARAM>(&row));
                }
                POINT point{row.left, row.bottom};
                ::ClientToScreen(m_list.Handle(), &point);
                ShowRowMenu(point);
                return 0;
            }
            break;
        case WM_DRAWITEM:
            if (m_controls.DrawBanner(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                                      Widen(m_productInfo.productName), Dpi())) {
                return TRUE;
            }
            break;
        case WM_DROPFILES:
            if (m_dropped) {
                m_dropped->TakeDropFiles(reinterpret_cast<HDROP>(wParam));
            }
            return 0;
        case kMsgFoldersDropped:
            if (m_longCommand.Running()) {
                // Added once the command has ended, in the order dropped.
                m_longCommand.WhenDone(
                    [this] { ::PostMessageW(Handle(), kMsgFoldersDropped, 0, 0); });
            } else if (m_dropped) {
                m_dropped->AddWaiting(m_commands.get(), ::IsWindowVisible(Handle()));
                RefreshIdleTotals();
            }
            return 0;
        case WM_DESTROY:
            m_dropped.reset();  // revoked while the window is still there
            Unload();
            return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
