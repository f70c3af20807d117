#pragma once
// On 64-bit Windows a 32-bit program that names anything under %windir%\System32 is silently
// given %windir%\SysWOW64 instead, another folder. %windir%\Sysnative names the real System32
// for such a program, so the folder the user listed is reached through it.

#include <string>
#include <string_view>
#include <vector>

// The ways a full path can name the system folder.
struct SystemFolderNames {
    std::wstring windowsFolder;               // "C:\Windows", without a closing separator
    std::vector<std::wstring> systemFolders;  // "C:\Windows\System32", and its short form
};

// `fullPath` with its system folder part written as Sysnative when it is or lies in the
// system folder; otherwise `fullPath` as it is. Letter case does not matter, as on the disk.
std::wstring ThroughSysnative(std::wstring_view fullPath, const SystemFolderNames& names);
