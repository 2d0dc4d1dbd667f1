#include "platform/PlainText.h"

#include <QLabel>

namespace lumo {

void setElidedText(QLabel& label, const QString& text) {
    const int room = label.contentsRect().width() - label.margin() * 2 - label.indent();
    const QString shown =
        room > 0 ? label.fontMetrics().elidedText(text, Qt::ElideRight, room) : text;
    if (label.text() != shown) {
        label.setText(shown);
    }
}

} // namespace lumo
