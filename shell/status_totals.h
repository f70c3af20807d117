#pragma once
// What the status bar says while no command has anything to say: how many folders the list
// holds and how many of them are hidden ("2,006 folders, 1,434 hidden").

#include <cstddef>
#include <string>
#include <string_view>

// `thousands`: the user's digit-group separator ("," in English).
std::string FormatListTotals(std::size_t folders, std::size_t hidden, std::string_view thousands);
