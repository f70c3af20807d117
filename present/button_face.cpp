#include "present/button_face.h"

#include <algorithm>
#include <cstdint>

namespace {

// value * numerator / denominator, rounded to the nearest; 0 for a denominator of 0 or less.
int Scaled(int value, int numerator, int denominator) {
    if (denominator <= 0) {
        return 0;
    }
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    return static_cast<int>((2 * product + denominator) / (2 * std::int64_t{denominator}));
}

PixelRect Inset(PixelRect rect, int dx, int dy) {
    return {rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy};
}

}  // namespace

ButtonFace LayOutButtonFace(const ButtonFaceInput& input) {
    const int unit = std::max(1, Scaled(1, input.dpi, 96));
    // Inside the border (a unit in) and the padding (three units across, one down).
    PixelRect content = Inset(Inset(input.area, unit, unit), 3 * unit, unit);
    if (input.pressed) {
        content.top += unit;
        content.bottom += unit;
    }
    const bool hasPicture = input.pictureWidth > 0 && input.pictureHeight > 0;
    const bool hasCaption = input.captionWidth > 0 || input.captionHeight > 0;
    const int captionBlock = input.captionHeight > 0 ? input.captionHeight + unit : 0;
    const int besideCaption = hasCaption ? 2 * unit + input.captionWidth : 0;
    int pictureWidth = input.pictureWidth;
    int pictureHeight = input.pictureHeight;
    ButtonFace face;

    const bool tooLowForAbove = hasPicture && pictureHeight + captionBlock > content.Height();
    if (tooLowForAbove) {
        const int roomWidth = std::max(content.Width() - besideCaption, 0);
        const int roomHeight = std::max(content.Height(), 0);
        int width = pictureWidth;
        int height = pictureHeight;
        if (width > roomWidth) {
            height = Scaled(height, roomWidth, width);
            width = roomWidth;
        }
        if (height > roomHeight) {
            width = Scaled(width, roomHeight, height);
            height = roomHeight;
        }
        if (height >= pictureHeight * 3 / 4) {
            pictureWidth = width;
            pictureHeight = height;
        }
        const int besideWidth = pictureWidth + besideCaption;
        // A picture made small enough to go above the caption after all goes there.
        if (pictureHeight + captionBlock > content.Height() && pictureHeight <= content.Height() &&
            besideWidth <= content.Width()) {
            const int left = (content.left + content.right - besideWidth) / 2;
            const int top = (content.top + content.bottom - pictureHeight) / 2;
            face.arrangement = ButtonArrangement::PictureBeside;
            face.picture = {left, top, left + pictureWidth, top + pictureHeight};
            face.caption = {left + pictureWidth + 2 * unit, content.top, content.right,
                            content.bottom};
            return face;
        }
    }

    const int room = content.Height() - captionBlock;
    if (hasPicture && pictureHeight > room) {
        pictureWidth = Scaled(pictureWidth, std::max(room, 0), pictureHeight);
        pictureHeight = std::max(room, 0);
    }
    if (hasPicture && pictureWidth > content.Width()) {  // a narrow button
        pictureHeight = Scaled(pictureHeight, std::max(content.Width(), 0), pictureWidth);
        pictureWidth = std::max(content.Width(), 0);
    }
    if (hasPicture && pictureHeight >= Scaled(8, input.dpi, 96)) {
        const int top = (content.top + content.bottom - (pictureHeight + captionBlock)) / 2;
        const int left = (content.left + content.right - pictureWidth) / 2;
        face.arrangement = ButtonArrangement::PictureAbove;
        face.picture = {left, top, left + pictureWidth, top + pictureHeight};
        face.caption = {content.left, top + pictureHeight + unit, content.right, content.bottom};
        return face;
    }
    face.caption = content;
    return face;
}
