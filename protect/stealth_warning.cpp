#include "protect/stealth_warning.h"

#include "protect/settings_keys.h"

std::string StealthWarningText(const std::string& programFolder) {
    return "WARNING: In order to bring the program out of stealth mode you will need to press "
           "CTRL + SHIFT + ALT + M.  The M stands for \"Maximize\" to help you remember.\r\n\r\n"
           "Do not forget this combination or you will not be able to bring the program out of "
           "stealth mode.  This information can also be found in the help file by clicking the "
           "Start Menu \"Readme-Help\" shortcut or by opening \"Help.chm\" in the following "
           "folder:\r\n\r\n" +
           programFolder +
           "\r\n\r\nIf you choose to continue you will not see this message again.  Do you want "
           "to continue?";
}

bool StealthWarningGate::OnStealthBoxChanged(SettingsStore& settings,
                                             Prompter& prompter,
                                             const std::string& programFolder) {
    if (settings.Read(settings::kStealthWarning, settings::kOff) != settings::kOff) {
        return true;
    }
    if (m_suppressNext) {
        m_suppressNext = false;
        return true;
    }
    if (prompter.Ask(StealthWarningText(programFolder), "WARNING", PromptButtons::OkCancel,
                     PromptIcon::None) == PromptAnswer::Ok) {
        settings.Write(settings::kStealthWarning, settings::kOn);
        return true;
    }
    // The box goes back to unchecked; when it was being checked, that change is swallowed.
    // When it was being unchecked it already is, and the flag waits for the next change.
    m_suppressNext = true;
    return false;
}
