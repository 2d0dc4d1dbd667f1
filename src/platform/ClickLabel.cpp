#include "platform/ClickLabel.h"

#include <QMouseEvent>

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
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_down = true;
        emit pressed();
        emit doubleClicked();
    }
}

} // namespace lumo
