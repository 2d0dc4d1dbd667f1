#pragma once

#include <QLabel>
#include <functional>

namespace lumo {

// A picture or caption that acts as a button: it reports presses, releases, clicks (a press
// and release over it) and double clicks. A double click is one click and one double click.
// Made a control (setButton, setSlider), assistive technologies see it as what it acts as, with
// a name and a press action (a slider with its value); given the keyboard (its window decides
// when), a mark in the skin's style shows it, and Space or Return press it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    enum class Role { Picture, Button, Slider, Part };
    // A button named `name`; an empty name is its text, whatever the text is at the time.
    void setButton(const QString& name);
    // A slider named `name` from `minimum` to `maximum`, its value read and set by the caller.
    void setSlider(const QString& name, int minimum, int maximum, std::function<int()> value,
                   std::function<void(int)> setValue);
    // A part of a control beside it (the picture inside a captioned button), or one that lies
    // where it cannot be seen: the mouse may click it, but assistive technologies and the
    // keyboard meet the control it belongs to instead.
    void setPart() { m_role = Role::Part; }
    Role role() const { return m_role; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value ? m_value() : 0; }
    void setValue(int value);

    // What a click does, as the keyboard and assistive technologies ask for it: a press, a
    // release and a click.
    void activate();

signals:
    void pressed();
    void released();
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_down = false;
    bool m_secondPress = false; // the press of a double click, until its release
    Role m_role = Role::Picture;
    int m_minimum = 0;
    int m_maximum = 0;
    std::function<int()> m_value;
    std::function<void(int)> m_setValue;
};

} // namespace lumo
