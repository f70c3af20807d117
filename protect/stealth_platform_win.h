#pragma once
// The Windows version and the 95/98/ME family's service-process registration.

#include <windows.h>

#include "protect/app_hider.h"

// The version record as GetVersionExA reads it, once, when the object is made.
class WinVersion {
public:
    WinVersion();
    bool Read() const { return m_read; }
    int Version() const;  // 1: 95/98/ME, 2: NT family, 0: anything else

private:
    OSVERSIONINFOA m_info{};
    bool m_read = false;
};

class Win32StealthPlatform final : public StealthPlatform {
public:
    Outcome ReadFamily(WindowsFamily& family) override;
    void RegisterServiceProcess(bool asService) override;
};
