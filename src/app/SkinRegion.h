#pragma once

#include <QImage>
#include <QRegion>
#include <optional>

namespace lumo {

// The window's outline cut from the skin: every pixel whose colour differs exactly from the
// colour of pixel (0, 0), as one-pixel-high rectangles run by run, row by row. Nothing when
// every pixel has the outside colour.
std::optional<QRegion> BuildSkinRegion(const QImage& skin);

// A skin drawn at more pixels than its outline has (the 2x skin, whose outline is cut from
// the 1x one), with its key colour (and the near-key pixels its smooth edges blend into it)
// painted over by the edge's own colour, `passes` pixels outward: where the outline runs
// between two of its pixels, or the picture is scaled to another density, no key colour shows.
QImage SkinWithoutKeyColour(const QImage& skin, QRgb key, int passes = 4);

} // namespace lumo
