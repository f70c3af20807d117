#pragma once
// Registry state for tests: the program's keys cleared, values read back through Wine's own
// reg.exe as an outside program would.

#include <windows.h>

#include <string>

// Deletes the program's per-user and machine keys and its Run value.
void ClearProgramRegistry();

// What `reg query <key> /v <value>` prints for the value: its type and data, e.g.
// "REG_SZ 1"; empty when reg.exe finds no such value.
std::string RegQuery(const std::wstring& key, const std::wstring& value);
