#pragma once

#include <QRect>
#include <QWidget>

namespace lumo {

// Controls are laid out in twips (1/1440 inch); on a 96 dpi screen 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// Twips per pixel on the screen the widget is on.
inline int screenTwipsPerPixel(const QWidget& widget) {
    const int dpi = widget.logicalDpiY();
    return dpi > 0 ? (1440 + dpi / 2) / dpi : kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace lumo
