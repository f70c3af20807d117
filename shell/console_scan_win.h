#pragma once
// Murkwell.exe /scan PATH: the search for hidden folders without a window, for a console or a
// script. Each folder found goes on its own line to standard output (the console the program
// was started from, or whatever it was given); a closing line goes to standard error.

#include "shell/command_line.h"

// Runs the request; the result is the process's exit code (kScanFinished, kScanPathMissing,
// or kScanStopped when Ctrl+C ended it early).
int RunConsoleScan(const ParsedCommandLine& request);

inline constexpr int kScanStopped = 1;
