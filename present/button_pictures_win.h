#pragma once
// The browser's button pictures, drawn for the DPI: 24 x 24 for Back, Forward, Stop and
// Refresh, 46 x 16 for Go (at 96 DPI).

#include <windows.h>

#include "platform/unique_resource_win.h"

enum class ButtonPicture { Go, Back, Forward, Stop, Refresh };

UniqueIcon MakeButtonPicture(ButtonPicture picture, int dpi);
