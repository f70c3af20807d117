#pragma once

#include <string>

// True when an ordinary file (not hidden, not system, not a folder) has this path. The name
// found must match the path's last part, so a wildcard pattern never counts.
bool FileExists(const std::wstring& path);
