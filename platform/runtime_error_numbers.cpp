#include "platform/runtime_error_numbers.h"

#include <array>
#include <utility>

namespace {

constexpr int kDeviceIoError = 57;

// Win32 error codes (winerror.h) and the run-time error numbers the program reports for them.
constexpr std::array<std::pair<std::uint32_t, int>, 22> kNumbers{{
    {2, 53},    // ERROR_FILE_NOT_FOUND: File not found
    {3, 76},    // ERROR_PATH_NOT_FOUND: Path not found
    {4, 67},    // ERROR_TOO_MANY_OPEN_FILES: Too many files
    {5, 75},    // ERROR_ACCESS_DENIED: Path/File access error
    {8, 7},     // ERROR_NOT_ENOUGH_MEMORY: Out of memory
    {14, 7},    // ERROR_OUTOFMEMORY
    {15, 68},   // ERROR_INVALID_DRIVE: Device unavailable
    {17, 74},   // ERROR_NOT_SAME_DEVICE: Can't rename with different drive
    {19, 70},   // ERROR_WRITE_PROTECT: Permission denied
    {21, 71},   // ERROR_NOT_READY: Disk not ready
    {32, 75},   // ERROR_SHARING_VIOLATION: the folder is in use
    {33, 75},   // ERROR_LOCK_VIOLATION
    {39, 61},   // ERROR_HANDLE_DISK_FULL: Disk full
    {53, 76},   // ERROR_BAD_NETPATH
    {67, 76},   // ERROR_BAD_NET_NAME
    {80, 58},   // ERROR_FILE_EXISTS: File already exists
    {112, 61},  // ERROR_DISK_FULL
    {123, 52},  // ERROR_INVALID_NAME: Bad file name or number
    {145, 75},  // ERROR_DIR_NOT_EMPTY
    {161, 76},  // ERROR_BAD_PATHNAME
    {183, 58},  // ERROR_ALREADY_EXISTS
    {206, 52},  // ERROR_FILENAME_EXCED_RANGE
}};

}  // namespace

int RuntimeErrorNumberFor(std::uint32_t win32Error) {
    for (const auto& [code, number] : kNumbers) {
        if (code == win32Error) {
            return number;
        }
    }
    return kDeviceIoError;
}
