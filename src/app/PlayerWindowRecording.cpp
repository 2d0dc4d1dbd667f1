// The mark on the window while playback records what is heard.
#include "app/PlayerWindow.h"

#include "app/Twips.h"
#include "playback/Playback.h"

namespace lumo {

void PlayerWindow::buildRecordMark() {
    m_recordMark = new QLabel(QStringLiteral("\u25CF ") + tr("REC"), this);
    m_recordMark->setTextFormat(Qt::PlainText);
    m_recordMark->setGeometry(twipsToPixels(1440), twipsToPixels(4860), twipsToPixels(700),
                              twipsToPixels(255));
    m_recordMark->setStyleSheet(QStringLiteral(
        "color: #ff4d4d; font-family: 'DejaVu Sans'; font-size: 10px; font-weight: bold;"));
    m_recordMark->setAccessibleName(tr("Recording"));
    m_recordMark->hide();
    connect(m_playback, &Playback::recordingChanged, m_recordMark, &QLabel::setVisible);
}

} // namespace lumo
