#pragma once
// The system's folder dialog: the modern picker where the system has one, the classic browse
// dialog elsewhere.

#include <windows.h>

#include <string>

#include "vault/list_commands.h"

class SystemFolderPicker final : public FolderPicker {
public:
    SystemFolderPicker(HWND owner, std::wstring startFolder)
        : m_owner(owner), m_startFolder(std::move(startFolder)) {}

    std::string PickFolder() override;

private:
    bool TryModernDialog(std::wstring& chosen);
    std::wstring ClassicDialog();

    HWND m_owner;
    std::wstring m_startFolder;
};
