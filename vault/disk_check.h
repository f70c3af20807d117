#pragma once
// What an entry's status word should be, given what the disk shows under its two names.

#include <string_view>

#include "vault/folder_hider.h"

struct DiskVerdict {
    std::string_view status;  // the word the entry should carry
    bool missing = false;     // the folder is under neither name: shown as missing, kept

    friend bool operator==(const DiskVerdict&, const DiskVerdict&) = default;
};

// Only the listed name there: "Hidden" becomes "Visible"; only the hidden name: "Visible"
// becomes "Hidden". Both names, or neither, or a word the program does not write, leave the
// word as it is: the disk does not say which is right.
DiskVerdict JudgeAgainstDisk(std::string_view status, FolderPresence presence);
