#pragma once

#include <QRect>

namespace lumo {

// Controls are laid out in twips (1/1440 inch); on a 96 dpi screen 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace lumo
