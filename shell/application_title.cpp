#include "shell/application_title.h"

std::string gAppTitle = "Murkwell Demo";
