#pragma once
// The program folder as the list file routines need it: files addressed by name.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/outcome.h"
#include "platform/runtime_error_numbers.h"

inline constexpr int kFileTooLargeError = kOutOfMemoryNumber;
// What ReadContent fails with when there is no such file (or no such folder).
inline constexpr int kFileNotFoundError = 53;
inline constexpr int kPathNotFoundError = 76;

class ListStorage {
public:
    virtual ~ListStorage() = default;
    // Fails with kFileNotFoundError when there is no such file, and without reading when the
    // file holds more than `maxBytes`, with the error number kFileTooLargeError.
    virtual Outcome ReadContent(std::string_view name,
                                std::string& bytes,
                                std::size_t maxBytes) const = 0;
    // Replaces the file's content as one step: afterwards it holds either all of `bytes` or
    // exactly what it held before.
    virtual Outcome ReplaceContent(std::string_view name, std::string_view bytes) = 0;
    // Full path of a file, for messages.
    virtual std::string PathOf(std::string_view name) const = 0;
};
