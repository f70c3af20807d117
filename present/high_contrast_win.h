#pragma once
// Whether the user runs a high-contrast theme. Then the skin steps aside: every colour it would
// draw comes from the system's colours, and so do the lists' headers, so that each window looks
// as the user's theme says.

#include <windows.h>

// The state last read; false until the first read.
bool HighContrastOn();
// Reads the system's setting again (at start, and when the system says settings or colours
// changed). True when the state differs from before.
bool RefreshHighContrast();
// Takes the state as given: what RefreshHighContrast does with the system's answer.
void NoteHighContrast(bool on);

// Gives every skinned top-level window of this thread the colours of the state now: its controls
// recoloured, everything repainted.
void RecolourForContrast();
// The list view takes the system's colours afresh, and its header is drawn in them while high
// contrast is on (in its visual style otherwise).
void FollowContrast(HWND listView);
