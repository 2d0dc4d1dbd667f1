#pragma once

#include "platform/Timer.h"

#include <QObject>
#include <QString>

class QLabel;

namespace lumo {

// A caption that may not fit its place: elided with "…", and while the pointer rests on it, it
// scrolls slowly through the whole text and round again. No timer runs while the text fits or
// the pointer is elsewhere. New text (each status tick gives it again) keeps the scroll going
// where it was when it is the same text.
class ScrollingCaption : public QObject {
    Q_OBJECT
public:
    static constexpr int kStepMilliseconds = 180; // one character

    explicit ScrollingCaption(QLabel& label);

    void setText(const QString& text);
    // The whole text does not fit: it is elided or scrolling.
    bool cut() const { return m_cut; }
    // The step timer: it runs only while the pointer rests on a text that does not fit.
    Timer& stepper() { return m_step; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show();
    void step();

    QLabel& m_label;
    QString m_text;
    qsizetype m_offset = 0;
    bool m_hovered = false;
    bool m_cut = false;
    Timer m_step;
};

} // namespace lumo
