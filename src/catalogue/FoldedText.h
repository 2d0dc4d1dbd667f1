#pragma once

#include <QString>

namespace lumo {

// Text as names, tags and searches are compared: case folded, accents and other marks taken
// off, runs of blanks made one ("Variété  Française" is "variete francaise").
QString foldedText(const QString& text);

} // namespace lumo
