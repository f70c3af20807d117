// A second process for the Windows tests.
//   save-loop <folder>  saves two different lists into <folder>, alternately, until killed
//   hold <folder>       opens <folder> without delete sharing and waits until killed
//   hold-hotkey-m -     holds CTRL+SHIFT+ALT+M, as another program might, until killed
//   stealth-branch -    hides and shows itself as stealth mode does; the exit code says what
//                       happened: 10 x the Windows family, + 1 when registered as a service
//                       while hidden, + 2 when the title was empty while hidden and back after

#include <windows.h>

#include <string>

#include "platform/text_win.h"
#include "platform/unique_resource_win.h"
#include "protect/stealth_platform_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/vector_folder_list.h"
#include "tests/win/saver_lists.h"
#include "vault/list_file.h"
#include "vault/list_storage_win.h"

namespace {

int SaveLoop(const std::wstring& folder) {
    FolderListStorage storage(folder);
    SystemCodePage codePage;
    ScriptedPrompter prompter;
    const VectorFolderList lists[] = {SaverList(0), SaverList(1)};
    for (unsigned round = 0;; ++round) {
        if (!SaveList(lists[round % 2], storage, codePage, prompter)) {
            return 3;
        }
    }
}

// The real platform, watched: RegisterServiceProcess is looked up and called for real.
class WatchedStealthPlatform final : public StealthPlatform {
public:
    bool registeredAsService = false;
    Outcome ReadFamily(WindowsFamily& family) override { return m_real.ReadFamily(family); }
    void RegisterServiceProcess(bool asService) override {
        m_real.RegisterServiceProcess(asService);
        registeredAsService = asService;
    }

private:
    Win32StealthPlatform m_real;
};

int StealthBranch() {
    WatchedStealthPlatform platform;
    std::string title = "Murkwell Demo";
    AppHider hider(platform, title);
    WindowsFamily family = WindowsFamily::Other;
    if (platform.ReadFamily(family).Failed() || hider.HideApplication().Failed()) {
        return 99;
    }
    int code = 10 * static_cast<int>(family);
    code += platform.registeredAsService ? 1 : 0;
    const bool titleCleared = title.empty();
    if (hider.ShowApplication(title).Failed()) {
        return 98;
    }
    code += titleCleared && title == "Murkwell Demo" ? 2 : 0;
    return code;
}

int Hold(const std::wstring& folder) {
    UniqueFile handle(::CreateFileW(folder.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) {
        return 4;
    }
    ::Sleep(INFINITE);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::wstring mode = argv[1];
    if (mode == L"save-loop") {
        return SaveLoop(argv[2]);
    }
    if (mode == L"hold") {
        return Hold(argv[2]);
    }
    if (mode == L"stealth-branch") {
        return StealthBranch();
    }
    if (mode == L"hold-hotkey-m") {
        if (!::RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL | MOD_SHIFT, 'M')) {
            return 5;
        }
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        }
        return 0;
    }
    return 2;
}
