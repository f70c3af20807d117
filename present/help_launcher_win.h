#pragma once

#include <windows.h>

#include <string>

// Opens Help.chm from the program folder through the shell. Nothing happens when it is absent.
// True when the file was there and handed to the shell.
bool OpenHelpFile(HWND owner, const std::wstring& programFolder);
