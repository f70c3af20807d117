#pragma once
// Where the running program lives.

#include <string>

// The running executable's full path.
std::wstring ProgramPath();
// The folder that holds the running executable, without a trailing backslash.
std::wstring ProgramFolder();

// `folder` and `name` joined by one backslash.
std::wstring JoinPath(const std::wstring& folder, std::wstring_view name);
