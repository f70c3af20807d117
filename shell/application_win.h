#pragma once
// The program as a whole: its settings, its windows and the order they come and go in.

#include <memory>
#include <string>

#include "platform/message_box_win.h"
#include "platform/text_win.h"
#include "present/about_window_win.h"
#include "present/browser_window_win.h"
#include "present/product_info.h"
#include "protect/machine_registry_win.h"
#include "protect/options_dialog_win.h"
#include "protect/password_hasher_win.h"
#include "protect/password_prompt_win.h"
#include "protect/password_store.h"
#include "protect/user_settings_win.h"
#include "shell/application_title.h"
#include "shell/main_window_win.h"
#include "shell/program_host.h"
#include "shell/splash_window_win.h"

class Application final : public ProgramHost {
public:
    Application();
    ~Application() override;

    int Run();

    void OpenOptions() override;
    void OpenAbout() override;
    void AskPassword(GuardedWindow& target, PasswordAction action) override;
    void RunHelp(HWND owner) override;
    void OpenWebsite() override;
    bool BrowserShowing() const override;
    void MainWindowClosing() override;
    void MainWindowGone() override;
    void EndProgram() override;

private:
    void LoadStartup();
    // The main window object, made on first use; its window is built by Build or Create.
    MainWindow& MakeMainWindow();
    void PrepareMainWindow();
    void CreateMainWindow();
    bool ReadStealthAtStart();
    bool TranslateDialogMessage(MSG& message);

    ProductInfo m_productInfo;
    std::wstring m_programFolder;
    std::string m_programFolderUtf8;
    UserSettings m_settings;
    Win32MachineRegistry m_machine;
    SystemCodePage m_codePage;
    CngPasswordHasher m_hasher;
    PasswordStore m_passwords;
    MessageBoxPrompter m_prompter;
    std::string m_appTitle = kDefaultAppTitle;  // changed by stealth mode
    bool m_startInStealth = false;
    bool m_endWhenBrowserCloses = false;  // the main window has gone; the browser is the last

    SplashWindow m_splash;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<BrowserWindow> m_browser;
    std::unique_ptr<PasswordPrompt> m_passwordPrompt;
};
