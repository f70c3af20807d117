#include "shell/main_window_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <utility>

#include "platform/gdi_win.h"
#include "platform/program_folder_win.h"
#include "platform/twips.h"
#include "platform/unique_resource_win.h"
#include "present/artwork_win.h"
#include "present/banner_win.h"
#include "present/product_info_win.h"
#include "present/skin_form_win.h"
#include "protect/hotkeys.h"
#include "protect/setting_rules.h"
#include "protect/settings_keys.h"
#include "shell/application_title.h"
#include "shell/find_hidden_dialog_win.h"
#include "shell/list_sort.h"
#include "shell/main_layout.h"
#include "shell/main_menu.h"
#include "shell/main_menu_win.h"
#include "shell/main_window_ids.h"
#include "shell/program_globals.h"
#include "shell/window_geometry.h"
#include "shell/window_geometry_win.h"
#include "vault/list_file.h"

namespace {

constexpr int kClientWidthTwips = 9900;
constexpr int kClientHeightTwips = 7530;
constexpr int kButtonBarHeightTwips = 975;
constexpr int kButtonTopTwips = 60;
constexpr int kButtonWidthTwips = 1155;
constexpr int kButtonHeightTwips = 855;
constexpr int kButtonPitchTwips = 1200;
constexpr int kBannerLeftTwips = 60;
constexpr int kBannerTopTwips = 1020;
constexpr int kBannerWidthTwips = 7335;
constexpr int kBannerHeightTwips = 945;

constexpr int kButtonIds[6] = {IDC_CMD_ADD,  IDC_CMD_DEL,     IDC_CMD_HIDE,
                               IDC_CMD_SHOW, IDC_CMD_OPTIONS, IDC_CMD_WEBSITE};
constexpr const wchar_t* kButtonCaptions[6] = {L"Add",  L"Remove ", L"Hide",
                                               L"Show", L"Options", L""};
// The last button of the bar: its caption names the website and its width follows the window.
constexpr std::size_t kWebsiteButton = 5;

}  // namespace

void StatusBarLine::SetText(const std::string& text) {
    ::SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

MainWindow::MainWindow(ProductInfo& productInfo,
                       SettingsStore& settings,
                       ProgramHost& host,
                       const std::wstring& programFolder)
    : m_productInfo(productInfo),
      m_settings(settings),
      m_host(host),
      m_programFolder(programFolder),
      m_programFolderUtf8(Narrow(m_programFolder)),
      m_stealth(m_prompter, gAppTitle) {}

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

bool MainWindow::Create() {
    if (!Handle() && !Build()) {
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
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (int i = 0; i < 6; ++i) {
        m_buttons[i] = ::CreateWindowExW(
            0, WC_BUTTONW, kButtonCaptions[i], WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
            0, 0, 10, 10, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonIds[i])),
            instance, nullptr);
    }
    m_banner = ::CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | SS_OWNERDRAW, 0, 0, 10, 10, hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PIC_BANNER)),
                                 instance, nullptr);
    const int dpi = Dpi();
    m_bannerView.Create(hwnd, IDC_WEB_BANNER,
                        PlaceInPixels(kBannerLeftTwips, kBannerTopTwips, kBannerWidthTwips,
                                      kBannerHeightTwips, dpi),
                        false);
    // The window has no plain labels; the template is there for the label replacement all the
    // same, hidden under the button bar.
    CreateSkinLabelTemplate(hwnd, PlaceInPixels(0, 0, 555, 135, dpi));
    m_statusBar = ::CreateWindowExW(
        0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), instance, nullptr);
    m_cancelBatch = ::CreateWindowExW(
        0, WC_BUTTONW, L"Cancel", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10, hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CMD_CANCEL_BATCH)), instance, nullptr);
    UpdateFonts();
    if (!m_list.Create(hwnd, IDC_LST_FOLDERS, m_listFont.Get())) {
        return false;
    }
    m_list.SetDpi(dpi);
    m_statusLine.Attach(m_statusBar);
    m_dropTarget.Register(hwnd);
    m_batchProgress.Attach(m_statusBar, m_cancelBatch, m_list.Handle());
    return m_statusBar && m_banner && m_buttons[kWebsiteButton] && m_cancelBatch;
}

void MainWindow::UpdateFonts() {
    const int dpi = Dpi();
    m_buttonFont = CreateUiFont(L"Verdana", 83, FW_BOLD, dpi);  // 8.25 pt
    m_listFont = CreateSystemFont(SystemFont::Message, dpi);
    m_bannerFont = CreateUiFont(L"Verdana", 160, FW_BOLD, dpi);
    for (const HWND button : m_buttons) {
        ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_buttonFont.Get()), TRUE);
    }
    if (m_list.Handle()) {
        ::SendMessageW(m_list.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()),
                       TRUE);
        m_list.SetDpi(dpi);
    }
    ::SendMessageW(m_statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()), TRUE);
    ::SendMessageW(m_cancelBatch, WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()), TRUE);
}

bool MainWindow::Load() {
    m_startupTrace.LoadStarted();
    m_prompter.SetOwner(Handle());
    m_storage = std::make_unique<FolderListStorage>(m_programFolder);
    m_picker = std::make_unique<SystemFolderPicker>(Handle(), m_programFolder);
    m_commands = std::make_unique<FolderCommands>(
        CommandEnvironment{m_list, m_disk, m_prompter, *m_storage, m_codePage, m_statusLine,
                           *m_picker, m_programFolderUtf8, gAppTitle,
                           &std::chrono::steady_clock::now, &m_pathRules, &m_batchProgress});

    m_list.SetRedraw(false);
    const Outcome loaded = LoadList(m_list, *m_storage, m_codePage, m_prompter, gAppTitle);
    m_list.SetRedraw(true);
    if (loaded.Failed()) {
        ReportListNotRead(loaded.Error());
        return false;
    }

    ::SetWindowTextW(Handle(), Widen(MainWindowCaption(m_productInfo)).c_str());
    ::SetWindowTextW(m_buttons[kWebsiteButton],
                     Widen("Visit " + m_productInfo.websiteAddress).c_str());
    if (m_productInfo.skinEnabled) {
        ReplaceLabels(Handle());
        SkinForm(Handle());
    }
    Layout();
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
    m_startupTrace.DiskCheckApplied(m_diskCheck.LookMilliseconds());
}

void MainWindow::FinishLoad() {
    if (m_settings.Read(settings::kShowHelp, settings::kOn) == settings::kOn && !gStartInStealth) {
        m_host.RunHelp(Handle());
        m_settings.Write(settings::kShowHelp, settings::kOff);
    }
    // The hotkeys come first so that stealth mode can check that its way back is there.
    m_stealth.RegisterHotkeys(Handle());
    if (!gStartInStealth || !m_stealth.Enter(Handle(), m_productInfo.productName)) {
        ::ShowWindow(Handle(), m_startMaximised ? SW_SHOWMAXIMIZED : SW_SHOW);
        ::UpdateWindow(Handle());
        ::SetForegroundWindow(Handle());
        ::SetFocus(m_list.Handle());
    }
    InstallHotkeyHook(Handle(), *this);
    // After the first paint: the list shows at once, and the disk is looked at meanwhile.
    StartDiskCheck();
    // The web page too: starting the web control takes longer than all the rest of the load.
    if (m_productInfo.bannerEnabled) {
        ::PostMessageW(Handle(), kMsgShowBanner, 0, 0);
    }
}

void MainWindow::TakeDroppedFolders(const std::vector<std::wstring>& folders) {
    for (const auto& folder : folders) {
        m_droppedFolders.push_back(Narrow(folder));
    }
    ::PostMessageW(Handle(), kMsgFoldersDropped, 0, 0);
}

void MainWindow::AddDroppedFolders() {
    if (m_busy || !m_commands || !::IsWindowVisible(Handle())) {
        if (!m_addingDropped) {
            m_droppedFolders.clear();  // as any other command then: not taken
        }
        return;
    }
    if (m_addingDropped) {
        return;  // a drop while Add's message waited: the loop below takes it in turn
    }
    ::SetForegroundWindow(Handle());  // Add's messages come up over the window, not behind
    m_addingDropped = true;
    try {
        while (!m_droppedFolders.empty()) {
            const std::vector<std::string> folders = std::exchange(m_droppedFolders, {});
            m_commands->AddDropped(folders);
        }
    } catch (...) {
        m_addingDropped = false;
        throw;
    }
    m_addingDropped = false;
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

void MainWindow::ShowWebBanner() {
    ::ShowWindow(m_bannerView.Handle(), SW_SHOW);
    ::BringWindowToTop(m_bannerView.Handle());
    // The picture box it makes is a child of this window and goes with it.
    ShowBanner(Handle(), m_bannerView, m_banner, Widen(m_productInfo.bannerAddress),
               ScaleMode::Twips, Dpi());
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
}

void MainWindow::OnHotkey(WPARAM wParam, LPARAM lParam) {
    if (m_busy) {
        return;
    }
    const HotkeyResponse response = RespondToHotkey(static_cast<std::uint32_t>(wParam),
                                                    static_cast<std::uint32_t>(lParam), m_settings);
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
    if (m_loaded) {  // else never placed: the size and place kept from the last run still hold
        SaveWindowGeometry(Handle(), m_settings);
    }
    m_diskCheck.Stop();
    RemoveHotkeyHook(Handle());
    m_host.MainWindowClosing();
    m_stealth.UnregisterHotkeys(Handle());
    if (m_host.BrowserShowing()) {
        gEndWhenBrowserCloses = true;  // the browser window ends the program when it closes
        return;
    }
    m_host.EndProgram();
}

void MainWindow::HideAll() {
    RunBusy(&FolderCommands::HideAll);
}

void MainWindow::ShowAll() {
    RunBusy(&FolderCommands::ShowAll);
}

void MainWindow::Layout() {
    const HWND hwnd = Handle();
    if (::IsIconic(hwnd)) {
        return;
    }
    const int dpi = Dpi();
    for (int i = 0; i < 6; ++i) {
        MoveInTwips(m_buttons[i], i * kButtonPitchTwips, kButtonTopTwips, kButtonWidthTwips,
                    kButtonHeightTwips, dpi);
    }
    MoveInTwips(m_banner, kBannerLeftTwips, kBannerTopTwips, kBannerWidthTwips, kBannerHeightTwips,
                dpi);
    ::SendMessageW(m_statusBar, WM_SIZE, 0, 0);

    const SizeInTwips window = OuterSizeInTwips(hwnd, dpi);
    MainLayoutInput input;
    input.windowWidth = window.width;
    input.windowHeight = window.height;
    input.buttonBarHeight = kButtonBarHeightTwips;
    input.statusBarHeight = OuterSizeInTwips(m_statusBar, dpi).height;
    input.bannerEnabled = m_productInfo.bannerEnabled;
    input.bannerHeight = kBannerHeightTwips;
    input.websiteButtonLeft = 5 * kButtonPitchTwips;
    const MainLayout layout = ComputeMainLayout(input);

    MoveInTwips(m_list.Handle(), layout.listLeft, layout.listTop, layout.listWidth,
                layout.listHeight, dpi);
    MoveInTwips(m_buttons[kWebsiteButton], input.websiteButtonLeft, kButtonTopTwips,
                layout.websiteButtonWidth, kButtonHeightTwips, dpi);
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
    FindHiddenDialog dialog(*m_commands, m_list, &m_pathRules, m_prompter, gAppTitle,
                            m_productInfo.skinEnabled, m_programFolder);
    dialog.Run(Handle());
}

void MainWindow::RunBusy(void (FolderCommands::*command)()) {
    if (m_busy) {
        return;  // one long command at a time
    }
    m_busy = true;
    const HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
    {
        const DeferredRowRedraws deferred(m_list);
        m_batchProgress.Begin();
        try {
            (m_commands.get()->*command)();
        } catch (...) {
            m_batchProgress.End();
            m_busy = false;
            throw;
        }
        m_batchProgress.End();
    }
    ::SetCursor(previous);
    m_busy = false;
    if (m_diskCheckWaiting) {
        m_diskCheckWaiting = false;
        OnDiskChecked();
    }
    if (m_closeAfterBatch) {
        ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
    }
}

void MainWindow::OnCommand(int id) {
    if (m_busy) {
        // A long command is running: the list must not change under it.
        if (id == IDC_CMD_CANCEL_BATCH) {
            m_batchProgress.RequestStop();
        }
        return;
    }
    switch (id) {
        case IDC_CMD_ADD:
        case IDM_ADD_FOLDER:
            m_commands->Add();
            break;
        case IDC_CMD_DEL:
        case IDM_REMOVE_SELECTED:
            RunBusy(&FolderCommands::RemoveTicked);
            break;
        case IDM_REMOVE_ALL:
            m_commands->RemoveAll();
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
            const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
            (void)EnhListViewSortColumns(m_list, click.iSubItem + 1, false, m_prompter);
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
            ShowRepairMenu(point);
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
    if (message.message != WM_KEYDOWN || m_busy || !m_commands ||
        (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    const bool inList = message.hwnd == m_list.Handle();
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    switch (message.wParam) {
        case VK_DELETE:
            if (!inList) {
                return false;
            }
            OnCommand(IDC_CMD_DEL);
            return true;
        case 'A':
            if (!control) {
                return false;
            }
            OnCommand(IDM_SELECT_ALL);
            return true;
        case VK_F1:
            OnCommand(IDM_VIEW_HELP);
            return true;
        case VK_SPACE:
            if (!inList) {
                return false;
            }
            m_list.ToggleFocusedRow();
            return true;
        case VK_RETURN:
            if (!inList) {
                return false;
            }
            if (const auto selected = m_list.Selected()) {
                OpenFolderAt(*selected);
            }
            return true;
        default:
            return false;
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

void MainWindow::ShowRepairMenu(POINT screenPoint) {
    const auto selected = m_list.Selected();
    if (!selected) {
        return;
    }
    m_repairMenu = RepairMenuFor(m_list.At(*selected).status, m_repairMenu);
    const UniqueMenu menu(CreateRepairMenu(m_repairMenu));
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
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case kMsgColumnsDragged:
            KeepColumnWidths();
            return 0;
        case kMsgShowBanner:
            ShowWebBanner();
            return 0;
        case kMsgDiskChecked:
            if (m_busy) {
                m_diskCheckWaiting = true;  // applied when the command ends
            } else if (m_commands) {
                OnDiskChecked();
            }
            return 0;
        case WM_CLOSE:
            if (!m_loaded) {
                return 0;  // built in the start-up pause, not loaded yet: the start goes on
            }
            if (m_busy) {
                // Closed mid-way: the command stops, saves what it did, then the window closes.
                m_batchProgress.RequestStop();
                m_closeAfterBatch = true;
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
                ShowRepairMenu(point);
                return 0;
            }
            break;
        case WM_DRAWITEM:
            if (wParam == IDC_PIC_BANNER) {
                const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                DrawBannerArtwork(item.hDC, item.rcItem, Widen(m_productInfo.productName),
                                  m_bannerFont.Get(), Dpi());
                return TRUE;
            }
            break;
        case WM_DROPFILES: {
            const auto drop = reinterpret_cast<HDROP>(wParam);
            TakeDroppedFolders(FoldersInDrop(drop));
            ::DragFinish(drop);
            return 0;
        }
        case kMsgFoldersDropped:
            AddDroppedFolders();
            return 0;
        case WM_DESTROY:
            m_dropTarget.Revoke();
            Unload();
            return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
