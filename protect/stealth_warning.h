#pragma once
// The options dialog's once-only warning about leaving stealth mode, shown when either stealth
// check box changes state until the user accepts it.

#include <string>

#include "platform/prompter.h"
#include "protect/settings_store.h"

class StealthWarningGate {
public:
    // The next state change of either stealth box is swallowed (the dialog sets boxes itself).
    void Suppress() { m_suppressNext = true; }
    void Release() { m_suppressNext = false; }
    bool Suppressing() const { return m_suppressNext; }

    // A stealth box changed state. True when the change stands; false when the user declined
    // and the box must be unchecked (that change will be swallowed).
    bool OnStealthBoxChanged(SettingsStore& settings,
                             Prompter& prompter,
                             const std::string& programFolder);

private:
    bool m_suppressNext = false;
};

std::string StealthWarningText(const std::string& programFolder);
