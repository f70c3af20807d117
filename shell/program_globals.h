#pragma once
// Program-wide state shared by the start-up window, the main window and the browser window.

extern bool gStartInStealth;        // the program started in stealth mode
extern bool gEndWhenBrowserCloses;  // the main window has closed while the browser was open
