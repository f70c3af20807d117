#include "present/button_face.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using enum ButtonArrangement;

struct Case {
    std::string name;
    ButtonFaceInput input;
    ButtonArrangement arrangement;
    PixelRect picture;
    PixelRect caption;
};

ButtonFaceInput Input(int width,
                      int height,
                      int dpi,
                      int picture,
                      int captionWidth,
                      int captionHeight,
                      bool pressed = false) {
    ButtonFaceInput input;
    input.area = {0, 0, width, height};
    input.dpi = dpi;
    input.pressed = pressed;
    input.pictureWidth = picture;
    input.pictureHeight = picture;
    input.captionWidth = captionWidth;
    input.captionHeight = captionHeight;
    return input;
}

}  // namespace

TEST(ButtonFace, PlacesThePictureAndCaptionAsTheButtonAllows) {
    const Case cases[] = {
        // Inside: a unit of border, then three units across and one down of padding.
        {"tall button: picture above",
         Input(75, 58, 96, 24, 30, 13),
         PictureAbove,
         {25, 10, 49, 34},
         {4, 35, 71, 56}},
        {"low, wide button: picture beside",
         Input(70, 26, 96, 16, 14, 13),
         PictureBeside,
         {19, 5, 35, 21},
         {37, 2, 66, 24}},
        // At 144 DPI rounding leaves the button 2 pixels short of its picture: the picture
        // shrinks a little rather than the button losing it.
        {"a few pixels short at 144 DPI",
         Input(98, 30, 144, 24, 21, 18),
         PictureBeside,
         {25, 4, 47, 26},
         {51, 4, 90, 26}},
        {"no room either way: caption alone",
         Input(60, 20, 96, 24, 20, 13),
         CaptionOnly,
         {},
         {4, 2, 56, 18}},
        {"narrow: picture above, made smaller",
         Input(40, 50, 96, 40, 30, 13),
         PictureAbove,
         {4, 2, 36, 34},
         {4, 35, 36, 48}},
        {"no picture, pressed at 192 DPI",
         Input(100, 40, 192, 0, 50, 26, true),
         CaptionOnly,
         {},
         {8, 6, 92, 38}},
        {"picture and no caption",
         Input(30, 30, 96, 16, 0, 0),
         PictureAbove,
         {7, 7, 23, 23},
         {4, 24, 26, 28}},
    };
    for (const Case& c : cases) {
        const ButtonFace face = LayOutButtonFace(c.input);
        EXPECT_EQ(face.arrangement, c.arrangement) << c.name;
        EXPECT_EQ(face.picture, c.picture) << c.name;
        EXPECT_EQ(face.caption, c.caption) << c.name;
    }
}

TEST(ButtonFace, ThePictureStaysInsideTheButtonAtEveryDpiAndSize) {
    for (const int dpi : {96, 120, 144, 168, 192, 288}) {
        for (int height = 1; height <= 120; height += 7) {
            for (int width = 1; width <= 160; width += 9) {
                const int picture = 24 * dpi / 96;
                const ButtonFace face = LayOutButtonFace(
                    Input(width, height, dpi, picture, 20 * dpi / 96, 13 * dpi / 96));
                if (face.arrangement == CaptionOnly) {
                    continue;
                }
                const auto where = std::to_string(dpi) + " DPI, " + std::to_string(width) + " x " +
                                   std::to_string(height);
                EXPECT_GE(face.picture.left, 0) << where;
                EXPECT_GE(face.picture.top, 0) << where;
                EXPECT_LE(face.picture.right, width) << where;
                EXPECT_LE(face.picture.bottom, height) << where;
                EXPECT_GT(face.picture.Width(), 0) << where;
                EXPECT_LE(face.picture.Height(), picture) << where;
                if (face.arrangement == PictureBeside) {
                    EXPECT_GE(face.caption.left, face.picture.right) << where;
                } else {
                    EXPECT_GE(face.caption.top, face.picture.bottom) << where;
                }
            }
        }
    }
}
