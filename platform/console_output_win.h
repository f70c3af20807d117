#pragma once
// One of the program's two output streams for command-line work: a console written in UTF-16,
// or a file or pipe written in UTF-8.

#include <windows.h>

#include <string>

#include "platform/unique_resource_win.h"

class ConsoleOutput {
public:
    // STD_OUTPUT_HANDLE or STD_ERROR_HANDLE; without one, the parent's console when attached.
    explicit ConsoleOutput(DWORD which);

    void WriteLine(const std::wstring& text);

private:
    HANDLE m_handle = nullptr;
    UniqueFile m_console;
    bool m_isConsole = false;
};
