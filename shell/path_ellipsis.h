#pragma once
// Long paths in the list are shortened in the middle, so that the folder's own name, the part
// that tells one row from another, always shows: "C:\Users\...\Tax 2024".

#include <functional>
#include <string>

inline constexpr wchar_t kEllipsis[] = L"...";

// `path` as it fits in `width`, measured by `measure`: whole when it fits; else as much of its
// start as fits, then "...\" and the last part; when not even that fits, "...\" and the last
// part all the same (whatever draws it cuts the end).
std::wstring ShortenInTheMiddle(const std::wstring& path,
                                int width,
                                const std::function<int(const std::wstring&)>& measure);
