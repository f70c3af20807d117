#pragma once
// The system's ANSI code page, in which the list file and the stored password are written.
// The program keeps text as UTF-8; only these two conversions touch code-page bytes.

#include <optional>
#include <string>
#include <string_view>

class CodePage {
public:
    virtual ~CodePage() = default;
    // Bytes of this code page for `utf8`, or nothing when a character has no exact byte form.
    virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;
    virtual std::string ToUtf8(std::string_view bytes) const = 0;
};
