#pragma once
// The classic run-time error numbers that the program's messages show for system failures.

#include <cstdint>

// The numbers the program names itself.
inline constexpr int kOutOfMemoryNumber = 7;

int RuntimeErrorNumberFor(std::uint32_t win32Error);
