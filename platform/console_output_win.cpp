#include "platform/console_output_win.h"

#include "platform/text_win.h"

ConsoleOutput::ConsoleOutput(DWORD which) {
    m_handle = ::GetStdHandle(which);
    if (!m_handle || m_handle == INVALID_HANDLE_VALUE) {
        // A program without a console of its own is given none; write to its parent's.
        m_console.Reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
        m_handle = m_console.Get();
    }
    DWORD mode = 0;
    m_isConsole = m_handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(m_handle, &mode);
}

void ConsoleOutput::WriteLine(const std::wstring& text) {
    if (m_handle == INVALID_HANDLE_VALUE || !m_handle) {
        return;
    }
    const std::wstring line = text + L"\r\n";
    DWORD written = 0;
    if (m_isConsole) {
        ::WriteConsoleW(m_handle, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    const std::string bytes = Narrow(line);
    ::WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
