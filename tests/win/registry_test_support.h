#pragma once
// Registry state for tests: the program's keys cleared, values read back through Wine's own
// reg.exe as an outside program would.

#include <windows.h>

#include <string>

// The program keeps its machine settings in the 32-bit view of HKEY_LOCAL_MACHINE, in both
// builds; tests reach them through the same view. (HKEY_CURRENT_USER\Software has one view.)
inline constexpr REGSAM kProgramView = KEY_WOW64_32KEY;

// Deletes the program's per-user and machine keys and its Run value.
void ClearProgramRegistry();

// What `reg query <key> /v <value> /reg:32` prints for the value: its type and data, e.g.
// "REG_SZ 1"; empty when reg.exe finds no such value.
std::string RegQuery(const std::wstring& key, const std::wstring& value);
