#pragma once
// Where the skin draws a push button's picture and caption. Plain arithmetic on pixels, so that
// every DPI's rounding can be tried without a window.

#include "platform/pixel_rect.h"

struct ButtonFaceInput {
    PixelRect area;  // the button's client area
    int dpi = 96;
    bool pressed = false;  // the face moves down a little while pressed
    int pictureWidth = 0;  // 0 x 0: no picture
    int pictureHeight = 0;
    int captionWidth = 0;  // as measured on one line; 0 x 0: no caption
    int captionHeight = 0;
};

enum class ButtonArrangement {
    CaptionOnly,    // no picture, or no room for one
    PictureBeside,  // a wide, low button: the picture left of the caption
    PictureAbove,   // the picture centred above the caption
};

struct ButtonFace {
    ButtonArrangement arrangement = ButtonArrangement::CaptionOnly;
    PixelRect picture;  // empty when the caption is alone
    // Where the caption is drawn: beside, from its left and centred on the height; above, centred
    // along its top; alone, centred in it.
    PixelRect caption;
};

// A wide, low button takes its picture beside the caption, made a little smaller (down to three
// quarters) where rounding leaves it a few pixels short. Otherwise the picture sits above the
// caption, made smaller where the button is short or narrow; where even a small one does not fit,
// the caption is shown alone.
ButtonFace LayOutButtonFace(const ButtonFaceInput& input);
