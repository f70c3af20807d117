#pragma once
// The application title: the name the system lists the program under, and the caption of
// message boxes that have no title of their own. The program keeps it (Application); stealth
// mode changes it.

inline constexpr char kDefaultAppTitle[] = "Murkwell Demo";
