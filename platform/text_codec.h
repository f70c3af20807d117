#pragma once
// The list file's keyless, self-inverse text codec: every byte's top bit is flipped.

#include <cstddef>
#include <string>
#include <string_view>

void ToggleHighBitInPlace(std::string& bytes);
// The bytes of `bytes` from `from` to the end.
void ToggleHighBitInPlace(std::string& bytes, std::size_t from);
std::string ToggleHighBit(std::string_view bytes);
