#include "shell/find_hidden_dialog_win.h"

#include <commctrl.h>

#include <unordered_set>

#include "platform/text_win.h"
#include "platform/window_win.h"
#include "present/skin_form_win.h"
#include "present/skin_label_win.h"
#include "resources/resource_ids.h"
#include "shell/folder_picker_win.h"

namespace {

constexpr UINT kMsgScanEnded = WM_APP + 2;
constexpr UINT kMsgRevealNews = WM_APP + 3;
constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT_PTR kRevealTimer = 2;
constexpr UINT kProgressEveryMs = 100;

}  // namespace

FindHiddenDialog::FindHiddenDialog(FolderCommands& commands,
                                   const FolderList& list,
                                   const PathRules* pathRules,
                                   MessageBoxPrompter& prompter,
                                   const std::string& appTitle,
                                   bool skinned,
                                   std::wstring browseStart)
    : m_commands(commands),
      m_list(list),
      m_pathRules(pathRules),
      m_prompter(prompter),
      m_appTitle(appTitle),
      m_skinned(skinned),
      m_browseStart(std::move(browseStart)),
      m_listed(list, pathRules) {}

void FindHiddenDialog::Run(HWND owner) {
    EnsureSkinLabelClass();
    m_previousPromptOwner = m_prompter.Owner();
    RunModal(IDD_FIND_HIDDEN, owner);
    m_prompter.SetOwner(m_previousPromptOwner);
}

void FindHiddenDialog::OnInit() {
    // Messages about the found folders belong in front of this window, not behind it.
    m_prompter.SetOwner(Handle());
    m_reveal.Attach(Handle(), kMsgRevealNews, kRevealTimer);
    m_found = ::GetDlgItem(Handle(), IDC_LST_FOUND);
    ListView_SetExtendedListViewStyle(m_found, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT area{};
    ::GetClientRect(m_found, &area);
    const int width = area.right - area.left - ::GetSystemMetrics(SM_CXVSCROLL);
    const std::pair<const wchar_t*, int> columns[] = {{L"Folder", width * 2 / 3},
                                                      {L"Name on disk", width - width * 2 / 3}};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(columns[i].first);
        column.cx = columns[i].second;
        ListView_InsertColumn(m_found, i, &column);
    }
    FillLastColumn();
    ::SetDlgItemTextW(Handle(), IDC_TXT_LOOK_IN, kAllFixedDrives);
    ::SetDlgItemTextW(Handle(), IDC_LBL_SCAN_PROGRESS, L"Choose where to look, then click Scan.");
    if (m_skinned) {
        SkinForm(Handle());
    }
    CenterOnOwner(Handle());
}

void FindHiddenDialog::Browse() {
    SystemFolderPicker picker(Handle(), m_browseStart);
    const std::string chosen = picker.PickFolder();
    if (!chosen.empty()) {
        ::SetDlgItemTextW(Handle(), IDC_TXT_LOOK_IN, Widen(chosen).c_str());
    }
}

void FindHiddenDialog::StartScan() {
    const std::string typed = Narrow(TextOfWindow(::GetDlgItem(Handle(), IDC_TXT_LOOK_IN)));
    const std::wstring lookIn = Widen(CleanedLookIn(typed));
    std::vector<std::wstring> roots;
    if (lookIn == kAllFixedDrives) {
        roots = FixedDriveRoots();
    } else if (const std::wstring folder = FolderToWalk(lookIn); !folder.empty()) {
        roots.push_back(folder);
    } else {
        m_prompter.Ask("The folder to look in does not exist:\r\n\r\n" + Narrow(lookIn), m_appTitle,
                       PromptButtons::Ok, PromptIcon::None);
        return;
    }
    ListView_DeleteAllItems(m_found);
    m_rows.clear();
    m_tally = {};
    m_listed = ListedFolders(m_list, m_pathRules);  // the list may have changed since
    SetScanning(true);
    ShowProgress(ScanStage::Running);
    m_search.Start(Handle(), kMsgScanEnded, std::move(roots));
    ::SetTimer(Handle(), kProgressTimer, kProgressEveryMs, nullptr);
}

void FindHiddenDialog::TakeFound() {
    const auto found = m_search.TakeFound();
    if (found.empty()) {
        return;
    }
    ::SendMessageW(m_found, WM_SETREDRAW, FALSE, 0);
    for (const auto& onDisk : found) {
        std::string realPath = RealPathOf(Narrow(onDisk));
        if (m_listed.Holds(realPath)) {
            ++m_tally.alreadyListed;
            continue;
        }
        const std::wstring real = Widen(realPath);
        const std::size_t lastSlash = onDisk.find_last_of(L'\\');
        const std::wstring name =
            onDisk.substr(lastSlash == std::wstring::npos ? 0 : lastSlash + 1);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(m_rows.size());
        item.pszText = const_cast<wchar_t*>(real.c_str());
        const int index = ListView_InsertItem(m_found, &item);
        ListView_SetItemText(m_found, index, 1, const_cast<wchar_t*>(name.c_str()));
        m_rows.push_back({std::move(realPath), onDisk});
        ++m_tally.found;
    }
    FillLastColumn();  // a scroll bar may have come
    ::SendMessageW(m_found, WM_SETREDRAW, TRUE, 0);
}

// The last column reaches the list's right edge, scroll bar or not: the header shows no empty
// third item beside it.
void FindHiddenDialog::FillLastColumn() {
    ListView_SetColumnWidth(m_found, 1, LVSCW_AUTOSIZE_USEHEADER);
}

void FindHiddenDialog::ShowProgress(ScanStage stage) {
    const auto& progress = m_search.Progress();
    m_tally.scanned = progress.scanned.load(std::memory_order_relaxed);
    m_tally.unreadable = progress.unreadable.load(std::memory_order_relaxed);
    ::SetDlgItemTextW(Handle(), IDC_LBL_SCAN_PROGRESS,
                      Widen(ScanProgressText(stage, m_tally)).c_str());
    ::SetDlgItemTextW(Handle(), IDC_LBL_SCAN_FOLDER,
                      stage == ScanStage::Running ? progress.CurrentFolder().c_str() : L"");
}

void FindHiddenDialog::OnScanEnded(bool finished) {
    m_search.Stop();  // its thread has ended: what it found is all there
    ::KillTimer(Handle(), kProgressTimer);
    TakeFound();
    ShowProgress(finished ? ScanStage::Finished : ScanStage::Stopped);
    SetScanning(false);
}

void FindHiddenDialog::SetScanning(bool scanning) {
    const HWND dialog = Handle();
    ::SetDlgItemTextW(dialog, IDC_CMD_SCAN, scanning ? L"Cancel" : L"&Scan");
    const HWND focus = ::GetFocus();
    const HWND scan = ::GetDlgItem(dialog, IDC_CMD_SCAN);
    const HWND lookIn = ::GetDlgItem(dialog, IDC_TXT_LOOK_IN);
    const HWND browse = ::GetDlgItem(dialog, IDC_CMD_BROWSE);
    if (scanning && (focus == lookIn || focus == browse)) {
        // A disabled control loses the focus to nobody: the keys would go nowhere. The button
        // that stops the search takes it.
        ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(scan), TRUE);
    }
    ::EnableWindow(lookIn, !scanning);
    ::EnableWindow(browse, !scanning);
    UpdateButtons();
    const HWND now = ::GetFocus();
    if (!scanning && (now == nullptr || now == dialog || !::IsWindowEnabled(now))) {
        ::SendMessageW(dialog, WM_NEXTDLGCTL,
                       reinterpret_cast<WPARAM>(m_rows.empty() ? lookIn : m_found), TRUE);
    }
}

std::vector<std::string> FindHiddenDialog::TickedPaths() const {
    std::vector<std::string> ticked;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (ListView_GetCheckState(m_found, static_cast<int>(i))) {
            ticked.push_back(m_rows[i].realPath);
        }
    }
    return ticked;
}

void FindHiddenDialog::DropRows(const std::vector<std::string>& realPaths) {
    const std::unordered_set<std::string> dropped(realPaths.begin(), realPaths.end());
    for (std::size_t i = m_rows.size(); i-- > 0;) {
        if (dropped.contains(m_rows[i].realPath)) {
            ListView_DeleteItem(m_found, static_cast<int>(i));
            m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    UpdateButtons();
}

void FindHiddenDialog::AddTicked() {
    const auto added = m_commands.AddFoundHidden(TickedPaths());
    DropRows(added);
    ::SetDlgItemTextW(
        Handle(), IDC_LBL_SCAN_PROGRESS,
        Widen("Added " + std::to_string(added.size()) + " hidden folders to the list").c_str());
}

// A runner for Reveal Now: the worker takes the folders, the count shows as they go.
class RevealRunner final : public BatchRunner {
public:
    RevealRunner(BatchWorker& worker, HWND progressLabel)
        : m_worker(worker), m_label(progressLabel) {}
    void Run(std::size_t count, Step step, Applied applied, Finished finished) override {
        auto done = std::make_shared<std::size_t>(0);
        m_worker.Start(
            count, std::move(step),
            [label = m_label, count, done, applied = std::move(applied)](std::size_t index,
                                                                         bool outcome) {
                applied(index, outcome);
                const std::wstring text =
                    std::to_wstring(++*done) + L" of " + std::to_wstring(count);
                ::SetWindowTextW(label, text.c_str());
            },
            std::move(finished));
    }

private:
    BatchWorker& m_worker;
    HWND m_label;
};

void FindHiddenDialog::RevealTicked() {
    if (m_reveal.Running()) {
        return;
    }
    UpdateButtons();
    RevealRunner runner(m_reveal, ::GetDlgItem(Handle(), IDC_LBL_SCAN_PROGRESS));
    m_commands.RevealFound(TickedPaths(), runner, [this](std::vector<std::string> revealed) {
        OnRevealed(std::move(revealed));
    });
    UpdateButtons();
}

void FindHiddenDialog::OnRevealed(std::vector<std::string> revealed) {
    DropRows(revealed);
    ::SetDlgItemTextW(Handle(), IDC_LBL_SCAN_PROGRESS,
                      Widen("Revealed " + std::to_string(revealed.size()) + " folders").c_str());
    if (m_closeAfterReveal) {
        ::PostMessageW(Handle(), WM_COMMAND, IDC_CMD_CLOSE_FIND, 0);
    }
}

void FindHiddenDialog::UpdateButtons() {
    bool anyTicked = false;
    for (std::size_t i = 0; i < m_rows.size() && !anyTicked; ++i) {
        anyTicked = ListView_GetCheckState(m_found, static_cast<int>(i)) != FALSE;
    }
    const bool enable = anyTicked && !m_search.Running() && !m_reveal.Running();
    ::EnableWindow(::GetDlgItem(Handle(), IDC_CMD_ADD_FOUND), enable);
    ::EnableWindow(::GetDlgItem(Handle(), IDC_CMD_REVEAL_FOUND), enable);
    ::EnableWindow(::GetDlgItem(Handle(), IDC_CMD_SCAN), !m_reveal.Running());
}

void FindHiddenDialog::Close() {
    if (m_reveal.Running()) {
        // Stopped after the folder under way; the window closes once the rows are dropped.
        m_closeAfterReveal = true;
        m_reveal.RequestStop();
        return;
    }
    m_search.Stop();
    ::KillTimer(Handle(), kProgressTimer);
    EndModal(IDCANCEL);
}

void FindHiddenDialog::OnCommand(int id) {
    switch (id) {
        case IDC_CMD_BROWSE:
            Browse();
            break;
        case IDC_CMD_SCAN:
            if (m_search.Running()) {
                m_search.RequestStop();
            } else {
                StartScan();
            }
            break;
        case IDC_CMD_ADD_FOUND:
            AddTicked();
            break;
        case IDC_CMD_REVEAL_FOUND:
            RevealTicked();
            break;
        case IDC_CMD_CLOSE_FIND:
            Close();
            break;
        case IDCANCEL:
            // Esc stops a search or a reveal under way; once none is, it closes the window.
            if (m_reveal.Running()) {
                m_reveal.RequestStop();
            } else if (m_search.Running()) {
                m_search.RequestStop();
            } else {
                Close();
            }
            break;
        default:
            break;
    }
}

INT_PTR FindHiddenDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit();
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return TRUE;
        case kMsgRevealNews:
            m_reveal.OnMessage();
            return TRUE;
        case WM_TIMER:
            if (wParam == kRevealTimer) {
                m_reveal.OnMessage();
                return TRUE;
            }
            if (wParam == kProgressTimer) {
                TakeFound();
                ShowProgress(ScanStage::Running);
            }
            return TRUE;
        case kMsgScanEnded:
            OnScanEnded(wParam != 0);
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom == IDC_LST_FOUND && header.code == LVN_ITEMCHANGED) {
                UpdateButtons();
            }
            return FALSE;
        }
        case WM_CLOSE:
            Close();
            return TRUE;
    }
    return FALSE;
}
