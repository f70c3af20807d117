#pragma once
// Stealth mode's platform side: out of the task list while the program has no window.

#include <cstdint>
#include <string>

#include "platform/outcome.h"

// The Windows family, as the version record's platform identifier gives it.
enum class WindowsFamily { Other = 0, Windows9x = 1, WindowsNT = 2 };

class StealthPlatform {
public:
    virtual ~StealthPlatform() = default;
    // Fails when the version cannot be read.
    virtual Outcome ReadFamily(WindowsFamily& family) = 0;
    // RegisterServiceProcess, which only the 95/98/ME family has.
    virtual void RegisterServiceProcess(bool asService) = 0;
};

// Hides the program from the task list. On the NT family the application title is what lists the
// program; it is set to empty text while hidden. The title in force when hiding began is
// remembered, so that leaving stealth mode gives it back rather than leaving message boxes
// untitled.
class AppHider {
public:
    AppHider(StealthPlatform& platform, std::string& appTitle)
        : m_platform(platform), m_appTitle(appTitle) {}

    Outcome HideApplication();
    // Puts `appTitle` back; an empty one stands for the title remembered at hiding.
    Outcome ShowApplication(const std::string& appTitle);

private:
    StealthPlatform& m_platform;
    std::string& m_appTitle;
    std::string m_titleBeforeHiding;
    bool m_hidden = false;
};

inline constexpr std::uint32_t kVersionReadError = 0x80040064;
