#include "shell/program_globals.h"

bool gStartInStealth = false;
bool gEndWhenBrowserCloses = false;
