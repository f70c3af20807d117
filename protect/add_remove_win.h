#pragma once
// Registry entries that tie the program into Windows: the Run entry that starts it with
// Windows. No state; failures are not reported (an entry that could not be written is absent).

#include <windows.h>

#include <string>

class AddRemove {
public:
    void AddToRun(const std::wstring& programName, const std::wstring& fileToRun);
    void RemoveFromRun(const std::wstring& programName);

    void SaveString(HKEY root,
                    const std::wstring& path,
                    const std::wstring& value,
                    const std::wstring& data);
    LONG DeleteValue(HKEY root, const std::wstring& path, const std::wstring& value);
};

inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Rewrites or removes the product's Run entry, so it always names the program where it is now.
void ApplyStartWithWindows(bool enabled, const std::wstring& productName);
