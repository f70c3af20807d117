#pragma once
// Murkwell.exe /showall: every listed folder shown again without the main window, for the
// uninstaller and for scripts. Asks for the password first when the program's start asks for
// it; prints one line to the console it was started from; its exit code says whether any
// listed folder is still hidden (see show_all_run.h).

int RunShowAll();

// Murkwell.exe /hiddencount: the number of listed folders hidden now, as the exit code and on
// the console (see show_all_run.h). Changes nothing and asks for nothing.
int RunHiddenCount();
