#include "present/help_launcher_win.h"

#include <shellapi.h>

#include "platform/file_exists_win.h"
#include "platform/program_folder_win.h"

bool OpenHelpFile(HWND owner, const std::wstring& programFolder) {
    const std::wstring path = JoinPath(programFolder, L"Help.chm");
    if (!FileExists(path)) {
        return false;
    }
    // The shell's answer is not examined: it shows its own message when it cannot open it.
    ::ShellExecuteW(owner, L"open", path.c_str(), L"", L"", SW_SHOWNORMAL);
    return true;
}
