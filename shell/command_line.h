#pragma once
// What the program was asked to do on its command line. With no request it opens as always;
// "/scan PATH" lists the hidden folders under PATH on the console and ends; "/showall" shows
// every listed folder without opening the window and ends; "/hiddencount" counts the listed
// folders that are hidden, for the uninstaller.

#include <string>
#include <vector>

enum class CommandLineRequest {
    OpenWindow,   // no request the program knows: start as always
    Scan,         // /scan PATH
    ScanUsage,    // /scan without a path
    ShowAll,      // /showall
    HiddenCount,  // /hiddencount
};

struct ParsedCommandLine {
    CommandLineRequest request = CommandLineRequest::OpenWindow;
    std::string path;  // UTF-8, as given

    friend bool operator==(const ParsedCommandLine&, const ParsedCommandLine&) = default;
};

// `arguments` are the words after the program's own name. A switch may be written with "-" for
// "/", in any case; the path of /scan is the next word, spaces inside quotation marks included.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Exit codes of /scan.
inline constexpr int kScanFinished = 0;
inline constexpr int kScanPathMissing = 2;
