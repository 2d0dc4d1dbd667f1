#pragma once

#include <QLabel>

namespace lumo {

// A picture or caption that acts as a button: it reports presses, releases, clicks (a press
// and release over it) and double clicks. A double click is one click and one double click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void pressed();
    void released();
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_down = false;
    bool m_secondPress = false; // the press of a double click, until its release
};

} // namespace lumo
