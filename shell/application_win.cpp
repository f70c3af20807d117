#include "shell/application_win.h"

#include <cstdio>
#include <exception>

#include "platform/program_folder_win.h"
#include "present/help_launcher_win.h"
#include "present/product_info_win.h"
#include "present/skin_engine_win.h"
#include "protect/machine_store.h"
#include "protect/setting_rules.h"
#include "protect/settings_keys.h"

namespace {

std::string HexCode(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof(text), "&H%08X", code);
    return text;
}

}  // namespace

Application::Application()
    : m_productInfo(LoadProductInfo()),
      m_programFolder(ProgramFolder()),
      m_programFolderUtf8(Narrow(m_programFolder)),
      m_settings(m_productInfo.companyName, m_productInfo.productName),
      m_passwords(m_settings, m_hasher, m_codePage),
      m_splash([this] { PrepareMainWindow(); }, [this] { CreateMainWindow(); }) {}

Application::~Application() = default;

int Application::Run() {
    if (!m_splash.Create(m_productInfo)) {
        return 1;
    }
    LoadStartup();
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if ((m_mainWindow && m_mainWindow->TranslateShortcut(message)) ||
            TranslateDialogMessage(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool Application::TranslateDialogMessage(MSG& message) {
    for (const HWND dialog :
         {m_options ? m_options->Handle() : nullptr, m_about ? m_about->Handle() : nullptr,
          m_passwordPrompt ? m_passwordPrompt->Handle() : nullptr,
          m_mainWindow ? m_mainWindow->Handle() : nullptr,
          m_browser ? m_browser->Handle() : nullptr}) {
        if (dialog && ::IsDialogMessageW(dialog, &message)) {
            return true;
        }
    }
    return false;
}

bool Application::ReadStealthAtStart() {
    const auto stealth =
        GetMachineSetting(m_machine, m_productInfo.companyName, m_productInfo.productName,
                          settings::kSection, settings::kStealth, settings::kOff);
    if (stealth.error) {
        // A damaged value must not keep the program from starting: say so, and start normally.
        m_prompter.Ask(m_productInfo.productName + " could not read the setting \"" +
                           std::string(settings::kStealth) + "\":\r\n\r\n" +
                           stealth.error->message + " (" + HexCode(stealth.error->code) +
                           ")\r\n\r\nIt is treated as off. Save the options again to repair it.",
                       "Error", PromptButtons::Ok, PromptIcon::Error);
        return false;
    }
    return ReadsAsOne(stealth.value);
}

void Application::LoadStartup() {
    m_startInStealth = ReadStealthAtStart();
    if (m_startInStealth) {
        m_splash.ResumeStart();  // no window and no password
        return;
    }
    ::ShowWindow(m_splash.Handle(), SW_SHOW);
    ::UpdateWindow(m_splash.Handle());
    if (ReadsAsOne(m_settings.Read(settings::kPassword, settings::kOff))) {
        AskPassword(m_splash, PasswordAction::ContinueStartup);
        ::ShowWindow(m_splash.Handle(), SW_HIDE);
        return;
    }
    m_splash.ResumeStart();
}

MainWindow& Application::MakeMainWindow() {
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>(m_productInfo, m_settings, *this,
                                                    m_programFolder, m_appTitle);
    }
    return *m_mainWindow;
}

void Application::PrepareMainWindow() {
    try {
        (void)MakeMainWindow().Build();  // on failure, CreateMainWindow tries again and ends
    } catch (const std::exception&) {
        m_mainWindow.reset();  // CreateMainWindow starts afresh and reports what fails
    }
}

void Application::CreateMainWindow() {
    // A failure here must end the program with a word: a half-started one would hold the
    // one-copy lock with no window, and every later copy would end silently.
    try {
        if (!MakeMainWindow().Create(m_startInStealth)) {
            EndProgram();  // the user has been told why
            return;
        }
        m_mainWindow->FinishLoad();
    } catch (const std::exception& failure) {
        m_prompter.Ask(m_productInfo.productName + " could not start:\r\n\r\n" + failure.what(),
                       "Error", PromptButtons::Ok, PromptIcon::Error);
        if (m_mainWindow && m_mainWindow->Handle()) {
            ::DestroyWindow(m_mainWindow->Handle());
        }
        EndProgram();
    }
}

void Application::OpenOptions() {
    if (!m_options) {
        m_options = std::make_unique<OptionsDialog>(m_settings, m_machine, m_passwords,
                                                    m_productInfo, m_programFolderUtf8, m_appTitle);
    }
    if (!m_options->Handle() &&
        !m_options->Create(m_mainWindow ? m_mainWindow->Handle() : nullptr)) {
        return;
    }
    ::ShowWindow(m_options->Handle(), SW_SHOW);
    ::SetForegroundWindow(m_options->Handle());
}

void Application::OpenAbout() {
    if (!m_about) {
        m_about = std::make_unique<AboutWindow>(m_productInfo, [this] { OpenWebsite(); });
    }
    if (!m_about->Handle() && !m_about->Create(m_mainWindow ? m_mainWindow->Handle() : nullptr)) {
        return;
    }
    ::ShowWindow(m_about->Handle(), SW_SHOW);
    ::SetForegroundWindow(m_about->Handle());
}

void Application::AskPassword(GuardedWindow& target, PasswordAction action) {
    if (!m_passwordPrompt) {
        m_passwordPrompt = std::make_unique<PasswordPrompt>(
            m_passwords, m_settings, [this] { EndProgram(); }, m_appTitle,
            m_productInfo.skinEnabled);
    }
    if (!m_passwordPrompt->Handle() && !m_passwordPrompt->Create()) {
        return;
    }
    m_passwordPrompt->SetFormToShow(target, action);
    m_passwordPrompt->ShowInFront();
}

void Application::RunHelp(HWND owner) {
    if (OpenHelpFile(owner, m_programFolder)) {
        MessageBoxPrompter prompter(owner);
        SaveMachineSetting(m_machine, m_settings, prompter, m_productInfo.companyName,
                           m_productInfo.productName, settings::kSection, settings::kShowHelp,
                           settings::kOff);
    }
}

void Application::MainWindowClosing() {
    if (m_about && m_about->Handle()) {
        ::DestroyWindow(m_about->Handle());
    }
    if (m_options) {
        m_options->Destroy();
    }
    if (m_passwordPrompt) {
        m_passwordPrompt->Destroy();
    }
}

void Application::MainWindowGone() {
    if (BrowserShowing()) {
        m_endWhenBrowserCloses = true;  // the browser window ends the program when it closes
        return;
    }
    EndProgram();
}

void Application::OpenWebsite() {
    if (!m_browser) {
        m_browser = std::make_unique<BrowserWindow>(m_productInfo, [this] {
            if (m_endWhenBrowserCloses) {
                EndProgram();  // the main window went first: this was the last window
            }
        });
    }
    if (!m_browser->Handle()) {
        m_browser->Create();  // opens on the website
        return;
    }
    ::ShowWindow(m_browser->Handle(), SW_SHOW);
    ::SetForegroundWindow(m_browser->Handle());
}

bool Application::BrowserShowing() const {
    return m_browser && m_browser->Handle() && ::IsWindowVisible(m_browser->Handle());
}

void Application::EndProgram() {
    StopSkinEngine(m_productInfo.skinEnabled);
    if (BrowserShowing()) {
        ::DestroyWindow(m_browser->Handle());
    }
    ::PostQuitMessage(0);
}
