// The list file reader and writer on arbitrary bytes: nothing may crash; what the reader takes,
// the writer writes back, and that reads the same and writes the same bytes again; the whole
// load and save never refuses an entry it loaded.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tests/support/latin1_code_page.h"
#include "tests/support/memory_storage.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/vector_folder_rows.h"
#include "vault/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const StoredList read = ParseListBytes(bytes);
    const std::string written = FormatListBytes(read);
    const StoredList reread = ParseListBytes(written);
    if (!(reread == read) || FormatListBytes(reread) != written) {
        std::abort();
    }

    MemoryStorage storage;
    storage.files["data.dat"] = std::string(bytes);
    Latin1CodePage codePage;
    ScriptedPrompter prompter;
    VectorFolderRows rows;
    if (LoadList(rows, storage, codePage, prompter, "Murkwell Demo").Failed()) {
        std::abort();
    }
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        if (i % 2) {
            rows.SetStatus(i, "Hidden");  // what a command writes, over whatever was read
        }
    }
    if (!SaveList(rows, storage, codePage, prompter) || !prompter.shown.empty()) {
        std::abort();
    }
    const StoredList saved = ParseListBytes(storage.files["data.dat"]);
    if (saved.entries.size() != read.entries.size() || saved.keptTail != read.keptTail) {
        std::abort();
    }
    for (std::size_t i = 0; i < saved.entries.size(); ++i) {
        const StoredEntry& before = read.entries[i];
        const StoredEntry& after = saved.entries[i];
        if (after.path != before.path || after.rest != before.rest ||
            after.keptBefore != before.keptBefore ||
            after.status != (i % 2 ? "Hidden" : before.status)) {
            std::abort();
        }
    }
    return 0;
}
