#include "protect/machine_registry_win.h"

#include <windows.h>

#include "platform/system_error_win.h"
#include "platform/text_win.h"
#include "platform/unique_resource_win.h"

MachineValue Win32MachineRegistry::Read(const std::string& keyPath, std::string_view name) {
    MachineValue found;
    UniqueRegistryKey key;
    const LONG opened =
        ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(keyPath).c_str(), 0, KEY_READ, key.Put());
    if (opened == ERROR_FILE_NOT_FOUND) {
        found.kind = MachineValue::Kind::KeyMissing;
        return found;
    }
    if (opened != ERROR_SUCCESS) {
        found.kind = MachineValue::Kind::OpenFailed;
        found.result = static_cast<std::uint32_t>(opened);
        return found;
    }
    const std::wstring valueName = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        found.kind = MachineValue::Kind::QueryFailed;
        return found;
    }
    if (type != REG_SZ) {
        found.kind = MachineValue::Kind::NotString;
        found.type = type;
        return found;
    }
    found.kind = MachineValue::Kind::String;
    if (size == 0) {
        return found;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (::RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
        found.kind = MachineValue::Kind::ReadFailed;
        return found;
    }
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();  // the terminating NUL is not part of the value
    }
    found.text = Narrow(text);
    return found;
}

Outcome Win32MachineRegistry::Write(const std::string& keyPath,
                                    std::string_view name,
                                    std::string_view text) {
    UniqueRegistryKey key;
    LONG result =
        ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(keyPath).c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.Put(), nullptr);
    if (result == ERROR_SUCCESS) {
        const std::wstring data = Widen(text);
        result = ::RegSetValueExW(key.Get(), Widen(name).c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
    if (result != ERROR_SUCCESS) {
        return Outcome::Failure(RuntimeErrorFromWin32(static_cast<DWORD>(result)));
    }
    return Outcome::Success();
}
