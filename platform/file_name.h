#pragma once
// The last component of a path.

#include <string_view>

// The text after the last backslash; the whole text when there is none. Works on UTF-8 and on
// wide paths alike, since a backslash is one unit in both.
template <class Char>
std::basic_string_view<Char> FileNamePart(std::basic_string_view<Char> path) {
    const auto lastBackslash = path.rfind(Char('\\'));
    return lastBackslash == std::basic_string_view<Char>::npos ? path
                                                               : path.substr(lastBackslash + 1);
}
