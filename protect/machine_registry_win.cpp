#include "protect/machine_registry_win.h"

#include <windows.h>

#include "platform/registry_key_win.h"
#include "platform/system_error_win.h"
#include "platform/text_win.h"

namespace {

// The 32-bit program has always kept its machine settings in the 32-bit view of
// HKEY_LOCAL_MACHINE\SOFTWARE (WOW6432Node on 64-bit Windows). The 64-bit program reads and
// writes the same view, so that moving between the builds keeps every setting; on 32-bit
// Windows the flag changes nothing.
constexpr REGSAM kSharedView = KEY_WOW64_32KEY;

}  // namespace

MachineValue Win32MachineRegistry::Read(const std::string& keyPath, std::string_view name) {
    MachineValue found;
    RegistryKey key;
    const LONG opened = key.Open(HKEY_LOCAL_MACHINE, Widen(keyPath), KEY_READ | kSharedView);
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
    if (key.QueryType(valueName, type, size) != ERROR_SUCCESS) {
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
    std::wstring text;
    if (key.ReadText(valueName, size, text) != ERROR_SUCCESS) {
        found.kind = MachineValue::Kind::ReadFailed;
        return found;
    }
    found.text = Narrow(text);
    return found;
}

Outcome Win32MachineRegistry::Write(const std::string& keyPath,
                                    std::string_view name,
                                    std::string_view text) {
    RegistryKey key;
    LONG result = key.Create(HKEY_LOCAL_MACHINE, Widen(keyPath), KEY_ALL_ACCESS | kSharedView);
    if (result == ERROR_SUCCESS) {
        result = key.WriteText(Widen(name), Widen(text));
    }
    if (result != ERROR_SUCCESS) {
        return Outcome::Failure(RuntimeErrorFromWin32(static_cast<DWORD>(result)));
    }
    return Outcome::Success();
}
