#include "platform/system_error_win.h"

#include <string>

#include "platform/runtime_error_numbers.h"
#include "platform/text_win.h"

namespace {

std::string SystemDescription(DWORD win32Error) {
    wchar_t buffer[512] = {};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         win32Error, 0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        return "System error " + std::to_string(win32Error);
    }
    return Narrow(text);
}

}  // namespace

RuntimeError RuntimeErrorFromWin32(DWORD win32Error) {
    return {RuntimeErrorNumberFor(win32Error), SystemDescription(win32Error)};
}
