// The list file reader on arbitrary bytes: it must not crash, and whatever it reads must write
// back to a file that reads the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vault/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto entries = ParseListBytes(bytes);
    for (const auto& entry : entries) {
        if (!CanStoreInListFile(entry.path)) {
            std::abort();
        }
    }
    if (ParseListBytes(FormatListBytes(entries)) != entries) {
        std::abort();
    }
    return 0;
}
