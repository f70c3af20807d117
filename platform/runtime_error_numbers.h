#pragma once
// The classic run-time error numbers that the program's messages show for system failures.

#include <cstdint>

int RuntimeErrorNumberFor(std::uint32_t win32Error);
