#pragma once

#include <QString>
#include <string>

class QLabel;

namespace lumo {

// Text that came from a file, a stream or a server (UTF-8 inside the program) for display.
inline QString displayText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Shows `text` as it stands, cut with an ellipsis when it is wider than the label.
void setElidedText(QLabel& label, const QString& text);

} // namespace lumo
