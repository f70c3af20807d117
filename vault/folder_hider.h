#pragma once
// Hiding one folder on disk and revealing it again. A hidden folder carries the suffix on its
// name, in its own parent folder, and the hidden and system attributes.

#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "vault/folder_disk.h"

inline constexpr std::string_view kHiddenSuffix = "HIDDEN123456";
inline constexpr int kPathFileAccessError = 75;  // the rename was refused: the folder is in use

std::string HiddenPathOf(std::string_view path);

// Renames the folder to its hidden name, then sets its attributes. On failure the user has
// been told why and the folder keeps its listed name.
bool HideFolder(const std::string& path, FolderDisk& disk, Prompter& prompter);

// Clears the hidden folder's attributes, then renames it back. On failure the user has been
// told why; the result says whether the folder is back under its listed name.
bool ShowFolder(const std::string& path, FolderDisk& disk, Prompter& prompter);
