#pragma once
// What the program was asked to do on its command line. With no request it opens as always;
// "/scan PATH" lists the hidden folders under PATH on the console and ends; "/showall" shows
// every listed folder without opening the window and ends; "/hiddencount" counts the listed
// folders that are hidden, for the uninstaller.

#include <string>
#include <vector>

enum class CommandLineRequest {
    OpenWindow,     // no request the program knows: start as always
    Scan,           // /scan PATH
    ScanUsage,      // /scan without a path
    ShowAll,        // /showall
    HiddenCount,    // /hiddencount
    ScanSplitPath,  // /scan with more than one word after it: a path with spaces, unquoted
    UnknownSwitch,  // "/" or "-" and a word the program does not know (in `path`)
};

struct ParsedCommandLine {
    CommandLineRequest request = CommandLineRequest::OpenWindow;
    std::string path;  // UTF-8, as given

    friend bool operator==(const ParsedCommandLine&, const ParsedCommandLine&) = default;
};

// `arguments` are the words after the program's own name. A switch may be written with "-" for
// "/", in any case; the path of /scan is the next word, spaces inside quotation marks included.
// A first word that is not a switch leaves the start as it always was; one that looks like a
// switch but is none is refused, so that a script with a mistyped switch does not wait on a
// window.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What the program says for a request it refuses, one line; empty for the others.
std::string RefusalText(const ParsedCommandLine& parsed);

// Exit codes of /scan, and of a refused command line.
inline constexpr int kScanFinished = 0;
inline constexpr int kScanPathMissing = 2;
inline constexpr int kCommandLineRefused = 2;
