#pragma once
// One row of the folder list.

#include <string>
#include <string_view>

inline constexpr std::string_view kStatusVisible = "Visible";
inline constexpr std::string_view kStatusHidden = "Hidden";

struct FolderEntry {
    std::string path;    // UTF-8, exactly as picked: never normalised
    std::string status;  // "Visible", "Hidden", or any word read from the list file
    bool checked = false;

    friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};
