#pragma once

#include <QImage>
#include <QRegion>
#include <optional>

namespace lumo {

// The window's outline cut from the skin: every pixel whose colour differs exactly from the
// colour of pixel (0, 0), as one-pixel-high rectangles run by run, row by row. Nothing when
// every pixel has the outside colour.
std::optional<QRegion> BuildSkinRegion(const QImage& skin);

} // namespace lumo
