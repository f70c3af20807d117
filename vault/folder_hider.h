#pragma once
// Hiding one folder on disk and revealing it again. A hidden folder carries the suffix on its
// name, in its own parent folder, and the hidden and system attributes.

#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "vault/folder_disk.h"

inline constexpr std::string_view kHiddenSuffix = "HIDDEN123456";
inline constexpr int kPathFileAccessError = 75;  // the rename was refused: the folder is in use

inline constexpr int kBadFileNameError = 52;

std::string HiddenPathOf(std::string_view path);

// Whether a Windows path can hold this text at all: a full path (a drive or a network share),
// no NUL or other control character, none of the characters no file name may have. The list
// file can carry any of them (a damaged or edited line), and acting on such a path would act
// on a different folder; a relative one would act on a folder under wherever the program was
// started.
bool IsUsablePath(std::string_view path);

// What the disk shows of a listed folder, under each of its two names.
struct FolderPresence {
    bool listed = false;  // a folder under the listed name
    bool hidden = false;  // a folder under the hidden name

    friend bool operator==(const FolderPresence&, const FolderPresence&) = default;
};

FolderPresence LookAtFolder(const std::string& path, FolderDisk& disk);

// Renames the folder to its hidden name, then sets its attributes. On failure the user has
// been told why and the folder keeps its listed name.
bool HideFolder(const std::string& path, FolderDisk& disk, Prompter& prompter);

// Clears the hidden folder's attributes, then renames it back. On failure the user has been
// told why, and a folder that could not be renamed back gets its attributes back, so it is
// never left half shown; the result says whether the folder is back under its listed name.
bool ShowFolder(const std::string& path, FolderDisk& disk, Prompter& prompter);
