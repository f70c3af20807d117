#include "protect/app_hider.h"

Outcome AppHider::HideApplication() {
    WindowsFamily family = WindowsFamily::Other;
    if (auto read = m_platform.ReadFamily(family); read.Failed()) {
        return read;
    }
    switch (family) {
        case WindowsFamily::Windows9x:
            m_platform.RegisterServiceProcess(true);
            break;
        case WindowsFamily::WindowsNT:
            if (!m_hidden) {
                m_titleBeforeHiding = m_appTitle;
            }
            m_appTitle.clear();
            break;
        case WindowsFamily::Other:
            break;
    }
    m_hidden = true;
    return Outcome::Success();
}

Outcome AppHider::ShowApplication(const std::string& appTitle) {
    WindowsFamily family = WindowsFamily::Other;
    if (auto read = m_platform.ReadFamily(family); read.Failed()) {
        return read;
    }
    switch (family) {
        case WindowsFamily::Windows9x:
            m_platform.RegisterServiceProcess(false);
            break;
        case WindowsFamily::WindowsNT:
            m_appTitle = appTitle.empty() && m_hidden ? m_titleBeforeHiding : appTitle;
            break;
        case WindowsFamily::Other:
            break;
    }
    m_hidden = false;
    return Outcome::Success();
}
