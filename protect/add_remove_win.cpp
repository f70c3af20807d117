#include "protect/add_remove_win.h"

#include "platform/program_folder_win.h"
#include "platform/registry_key_win.h"

void AddRemove::SaveString(HKEY root,
                           const std::wstring& path,
                           const std::wstring& value,
                           const std::wstring& data) {
    RegistryKey key;
    if (key.Create(root, path, KEY_SET_VALUE) == ERROR_SUCCESS) {
        (void)key.WriteText(value, data);
    }
}

LONG AddRemove::DeleteValue(HKEY root, const std::wstring& path, const std::wstring& value) {
    RegistryKey key;
    LONG result = key.Open(root, path, KEY_SET_VALUE);
    if (result == ERROR_SUCCESS) {
        result = key.DeleteValue(value);
    }
    return result;
}

void AddRemove::AddToRun(const std::wstring& programName, const std::wstring& fileToRun) {
    SaveString(HKEY_CURRENT_USER, kRunKeyPath, programName, fileToRun);
}

void AddRemove::RemoveFromRun(const std::wstring& programName) {
    (void)DeleteValue(HKEY_CURRENT_USER, kRunKeyPath, programName);
}

void ApplyStartWithWindows(bool enabled, const std::wstring& productName) {
    AddRemove addRemove;
    addRemove.RemoveFromRun(productName);
    if (enabled) {
        std::wstring name = ProgramPath();
        name = name.substr(name.rfind(L'\\') + 1);
        if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) {
            name.resize(dot);
        }
        // Quoted, or a program folder with spaces would let Windows run C:\Program.exe first.
        addRemove.AddToRun(productName, L"\"" + JoinPath(ProgramFolder(), name + L".exe") + L"\"");
    }
}
