#include "protect/add_remove_win.h"

#include "platform/program_folder_win.h"
#include "platform/unique_resource_win.h"

void AddRemove::SaveString(HKEY root,
                           const std::wstring& path,
                           const std::wstring& value,
                           const std::wstring& data) {
    UniqueRegistryKey key;
    if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                          nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    ::RegSetValueExW(key.Get(), value.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

LONG AddRemove::DeleteValue(HKEY root, const std::wstring& path, const std::wstring& value) {
    UniqueRegistryKey key;
    LONG result = ::RegOpenKeyExW(root, path.c_str(), 0, KEY_SET_VALUE, key.Put());
    if (result == ERROR_SUCCESS) {
        result = ::RegDeleteValueW(key.Get(), value.c_str());
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
        wchar_t module[MAX_PATH * 4] = {};
        ::GetModuleFileNameW(nullptr, module, static_cast<DWORD>(std::size(module)));
        std::wstring name = module;
        name = name.substr(name.rfind(L'\\') + 1);
        if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) {
            name.resize(dot);
        }
        // Quoted, or a program folder with spaces would let Windows run C:\Program.exe first.
        addRemove.AddToRun(productName, L"\"" + JoinPath(ProgramFolder(), name + L".exe") + L"\"");
    }
}
