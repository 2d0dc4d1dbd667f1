#pragma once

#include <QPixmap>

namespace lumo {

// One of the program's pictures (":/artwork/<name>.png"): drawn at twice the pixels
// ("<name>@2x.png") for screens of more than ordinary density, where there is such a drawing.
QPixmap artwork(const char* name);
// The same, given the 1x picture already read: on a 1x screen the pixmap shares its pixels.
QPixmap artwork(const char* name, const QImage& plain);

} // namespace lumo
