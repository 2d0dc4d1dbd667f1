#include "platform/ClickLabel.h"

#include "platform/ClickLabelAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace lumo {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    installClickLabelAccessibility();
}

void ClickLabel::setButton(const QString& name) {
    m_role = Role::Button;
    setAccessibleName(name);
}

void ClickLabel::setSlider(const QString& name, int minimum, int maximum,
                           std::function<int()> value, std::function<void(int)> setValue) {
    setButton(name);
    m_role = Role::Slider;
    m_minimum = minimum;
    m_maximum = maximum;
    m_value = std::move(value);
    m_setValue = std::move(setValue);
}

void ClickLabel::setValue(int value) {
    if (m_setValue) {
        m_setValue(std::clamp(value, m_minimum, m_maximum));
    }
}

void ClickLabel::activate() {
    emit pressed();
    emit released();
    emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (m_role == Role::Button && press && !event->isAutoRepeat()) {
        activate();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event); // the window's own keys (Up and Down for the knob too)
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x4c, 0xc9, 0xf0), 2)); // the skin's accent
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
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
