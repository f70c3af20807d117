#pragma once

#include <string>

// The folder that holds the running executable, without a trailing backslash.
std::wstring ProgramFolder();

// `folder` and `name` joined by one backslash.
std::wstring JoinPath(const std::wstring& folder, std::wstring_view name);
