#pragma once
// The path the system is given for a folder the user named: the path itself, except in the
// 32-bit program on 64-bit Windows, where the system folder is reached through Sysnative so
// that the program acts on the folder that was listed and not on its SysWOW64 namesake.

#include <string>

std::wstring PathForDisk(std::wstring path);
