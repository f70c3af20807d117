#include "shell/console_show_all_win.h"

#include <windows.h>

#include "platform/console_output_win.h"
#include "platform/program_folder_win.h"
#include "platform/text_win.h"
#include "present/product_info_win.h"
#include "protect/password_hasher_win.h"
#include "protect/password_prompt_win.h"
#include "protect/password_store.h"
#include "protect/setting_rules.h"
#include "protect/settings_keys.h"
#include "protect/user_settings_win.h"
#include "vault/folder_disk_win.h"
#include "vault/list_storage_win.h"
#include "vault/show_all_run.h"

namespace {

// Messages go to the console, answered as a user who wants nothing risked would: no box may
// wait for an answer while an uninstaller waits for this program.
class ConsolePrompter final : public Prompter {
public:
    explicit ConsolePrompter(ConsoleOutput& errors) : m_errors(errors) {}

    PromptAnswer Ask(const std::string& text,
                     const std::string& title,
                     PromptButtons buttons,
                     PromptIcon) override {
        m_errors.WriteLine(Widen(title + ": " + text));
        return UnansweredAnswer(buttons);
    }

private:
    ConsoleOutput& m_errors;
};

// The password prompt's way of saying the password was right: it asks its window to show all.
class PasswordGate final : public GuardedWindow {
public:
    bool opened = false;
    HWND WindowHandle() const override { return nullptr; }
    void ResumeStart() override {}
    void ShowAll() override { opened = true; }
};

// True when the right password was given, or none is asked for at start.
bool PasswordGiven(UserSettings& settings, const std::string& appTitle) {
    if (!ReadsAsOne(settings.Read(settings::kPassword, settings::kOff))) {
        return true;
    }
    SystemCodePage codePage;
    CngPasswordHasher hasher;
    PasswordStore passwords(settings, hasher, codePage);
    PasswordPrompt prompt(
        passwords, settings, [] { ::PostQuitMessage(0); }, appTitle, false);
    if (!prompt.Create()) {
        return false;
    }
    PasswordGate gate;
    prompt.SetFormToShow(gate, PasswordAction::ShowAll);
    prompt.ShowInFront();
    MSG message;
    while (prompt.Handle() && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(prompt.Handle(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return gate.opened;
}

// What both switches work with: the console they were started from and the program's list.
struct ConsoleListRun {
    ConsoleListRun() { ::AttachConsole(ATTACH_PARENT_PROCESS); }  // none from a window: fine

    ConsoleOutput out{STD_OUTPUT_HANDLE};
    ConsoleOutput errors{STD_ERROR_HANDLE};
    const ProductInfo product = LoadProductInfo();
    const std::wstring folder = ProgramFolder();
    FolderListStorage storage{folder};
    Win32FolderDisk disk;
    SystemCodePage codePage;
    ConsolePrompter prompter{errors};
};

}  // namespace

int RunShowAll() {
    ConsoleListRun run;
    UserSettings settings(run.product.companyName, run.product.productName);
    if (!PasswordGiven(settings, run.product.productName)) {
        run.errors.WriteLine(L"The password was not given: no folder was shown.");
        return kShowAllNoPassword;
    }
    const ShowAllOutcome outcome =
        ShowEveryListedFolder(run.storage, run.disk, run.codePage, run.prompter, Narrow(run.folder),
                              run.product.productName);
    run.out.WriteLine(Widen(ShowAllSummary(outcome)));
    return ShowAllExitCode(outcome);
}

int RunHiddenCount() {
    ConsoleListRun run;
    const auto count = CountListedHidden(run.storage, run.disk, run.codePage, run.prompter,
                                         run.product.productName);
    run.out.WriteLine(count ? std::to_wstring(*count) + L" listed folders are hidden."
                            : L"The folder list could not be read.");
    return HiddenCountExitCode(count);
}
