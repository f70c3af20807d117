#include "shell/path_ellipsis.h"

std::wstring ShortenInTheMiddle(const std::wstring& path,
                                int width,
                                const std::function<int(const std::wstring&)>& measure) {
    if (measure(path) <= width) {
        return path;
    }
    // The last part, with its separator; a path ending in a separator keeps the one before.
    std::size_t lastSeparator = path.find_last_of(L"\\/");
    if (lastSeparator != std::wstring::npos && lastSeparator + 1 == path.size() &&
        lastSeparator > 0) {
        lastSeparator = path.find_last_of(L"\\/", lastSeparator - 1);
    }
    if (lastSeparator == std::wstring::npos || lastSeparator == 0) {
        return path;  // no middle to take out
    }
    const std::wstring tail = std::wstring(kEllipsis) + path.substr(lastSeparator);
    // The longest start that fits with the tail: widths grow with length, so halve.
    std::size_t fits = 0;
    std::size_t tooLong = lastSeparator + 1;
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        if (measure(path.substr(0, middle) + tail) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return path.substr(0, fits) + tail;
}
