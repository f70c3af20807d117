#pragma once
// The application title: the name the system lists the program under, and the caption of
// message boxes that have no title of their own. Stealth mode changes it.

#include <string>

extern std::string gAppTitle;
