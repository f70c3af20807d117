#pragma once
// Access keys for menu items whose caption marks none ("Exit", "Select All"): such an item
// answers to the first letter of its caption that no other item of its menu claims with "&"
// (so "Exit" beside "R&emove All Folders" answers to X, as Windows' own "E&xit" does).

#include <string>
#include <vector>

// The position of the item that `key` opens among `captions` (as the menu holds them, "&" marks
// included; an empty caption is a separator), or -1. Only items with no marked key answer here:
// a marked key is the system's to handle. Letters compare without case, ASCII only.
int ImpliedAccessKeyItem(const std::vector<std::u16string>& captions, char16_t key);
