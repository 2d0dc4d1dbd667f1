#pragma once

#include <QPixmap>

namespace lumo {

// One of the program's pictures (":/artwork/<name>.png"): drawn at twice the pixels
// ("<name>@2x.png") for screens of more than ordinary density, where there is such a drawing.
QPixmap artwork(const char* name);

} // namespace lumo
