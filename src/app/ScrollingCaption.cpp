#include "app/ScrollingCaption.h"

#include "platform/PlainText.h"

#include <QEvent>
#include <QLabel>

namespace lumo {

namespace {

// What stands between the end of a scrolling text and its start coming round again.
const QString kGap = QStringLiteral("     ");

} // namespace

ScrollingCaption::ScrollingCaption(QLabel& label) : QObject(&label), m_label(label) {
    m_label.installEventFilter(this);
    m_step.onTick([this] { step(); });
}

void ScrollingCaption::setText(const QString& text) {
    if (text != m_text) {
        m_text = text;
        m_offset = 0;
    }
    show();
}

bool ScrollingCaption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_label && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        m_hovered = event->type() == QEvent::Enter;
        m_offset = 0;
        show();
    }
    return false;
}

void ScrollingCaption::show() {
    const int room = m_label.contentsRect().width() - m_label.margin() * 2 - m_label.indent();
    m_cut = room > 0 && m_label.fontMetrics().horizontalAdvance(m_text) > room;
    if (!m_cut || !m_hovered) {
        m_step.setInterval(0);
        setElidedText(m_label, m_text);
        return;
    }
    // The text from the offset on, then its start again; the label cuts what does not fit.
    const QString round = m_text + kGap + m_text;
    if (const QString shown = round.mid(m_offset); m_label.text() != shown) {
        m_label.setText(shown);
    }
    if (m_step.interval() == 0) {
        m_step.setInterval(kStepMilliseconds);
    }
}

void ScrollingCaption::step() {
    if (m_step.interval() == 0) {
        return;
    }
    m_offset = (m_offset + 1) % (m_text.size() + kGap.size());
    show();
}

} // namespace lumo
