#pragma once
// The list file's keyless, self-inverse text codec: every byte's top bit is flipped.

#include <string>
#include <string_view>

void ToggleHighBitInPlace(std::string& bytes);
std::string ToggleHighBit(std::string_view bytes);
