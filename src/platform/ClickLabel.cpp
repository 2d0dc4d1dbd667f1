#include "platform/ClickLabel.h"

#include <QMouseEvent>
#include <utility>

namespace lumo {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_down = true;
    emit pressed();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_down) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_down = false;
    emit released();
    // The release that ends a double click is not a second click: a double click is one
    // activation (a toggle stays toggled, an address opens once).
    if (rect().contains(event->position().toPoint()) && !std::exchange(m_secondPress, false)) {
        emit clicked();
    }
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_down = true;
        m_secondPress = true;
        emit pressed();
        emit doubleClicked();
    }
}

} // namespace lumo
