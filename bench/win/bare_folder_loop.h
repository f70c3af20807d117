#pragma once
// The floor any hide-all is measured against: MoveFileW + SetFileAttributesW and back, with
// nothing else around them.

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

struct HideRevealTimes {
    double hide = 0;  // seconds
    double reveal = 0;
};

inline HideRevealTimes BareHideRevealLoop(const std::vector<std::wstring>& folders) {
    using Clock = std::chrono::steady_clock;
    const DWORD hiddenAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
    HideRevealTimes times;
    auto start = Clock::now();
    for (const auto& folder : folders) {
        const std::wstring hidden = folder + L"HIDDEN123456";
        ::MoveFileW(folder.c_str(), hidden.c_str());
        ::SetFileAttributesW(hidden.c_str(), hiddenAttributes);
    }
    times.hide = std::chrono::duration<double>(Clock::now() - start).count();
    start = Clock::now();
    for (const auto& folder : folders) {
        const std::wstring hidden = folder + L"HIDDEN123456";
        ::SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::MoveFileW(hidden.c_str(), folder.c_str());
    }
    times.reveal = std::chrono::duration<double>(Clock::now() - start).count();
    return times;
}
