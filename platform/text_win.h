#pragma once
// The one place where text crosses between the program's UTF-8 and the system's UTF-16 and
// ANSI code page.

#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The system's ANSI code page (CP_ACP), as the list file and the stored password use it.
class SystemCodePage final : public CodePage {
public:
    std::optional<std::string> FromUtf8(std::string_view utf8) const override;
    std::string ToUtf8(std::string_view bytes) const override;
};
