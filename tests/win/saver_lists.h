#pragma once
// The two lists the save-loop child writes in turn: large, so that a kill often lands in the
// middle of a write, and different in every line.

#include <string>

#include "tests/support/vector_folder_list.h"
#include "vault/folder_list.h"

inline VectorFolderList SaverList(int which) {
    VectorFolderList list;
    const int count = which == 0 ? 3000 : 5000;
    for (int i = 0; i < count; ++i) {
        list.Append({"C:\\List" + std::to_string(which) + "\\Folder " + std::to_string(i),
                     which == 0 ? "Visible" : "Hidden", false});
    }
    return list;
}
