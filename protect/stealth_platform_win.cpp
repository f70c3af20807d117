#include "protect/stealth_platform_win.h"

WinVersion::WinVersion() {
    m_info.dwOSVersionInfoSize = sizeof(m_info);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    m_read = ::GetVersionExA(&m_info) != 0;
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
}

int WinVersion::Version() const {
    switch (m_info.dwPlatformId) {
        case VER_PLATFORM_WIN32_WINDOWS:
            return 1;
        case VER_PLATFORM_WIN32_NT:
            return 2;
        default:
            return 0;
    }
}

Outcome Win32StealthPlatform::ReadFamily(WindowsFamily& family) {
    const WinVersion version;
    if (!version.Read()) {
        return Outcome::Failure(
            {static_cast<int>(kVersionReadError), "Error Getting Version Information"});
    }
    family = static_cast<WindowsFamily>(version.Version());
    return Outcome::Success();
}

void Win32StealthPlatform::RegisterServiceProcess(bool asService) {
    // Only the 95/98/ME family's kernel32 has it, so it is looked up when needed.
    using RegisterServiceProcessFunction = DWORD(WINAPI*)(DWORD, DWORD);
    const auto registerServiceProcess =
        reinterpret_cast<RegisterServiceProcessFunction>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "RegisterServiceProcess")));
    if (registerServiceProcess) {
        registerServiceProcess(::GetCurrentProcessId(), asService ? 1 : 0);
    }
}
