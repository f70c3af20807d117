#pragma once
// In-memory rows for the commands' tests.

#include "vault/memory_folder_rows.h"

using VectorFolderRows = MemoryFolderRows;
