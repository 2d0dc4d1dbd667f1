// Keeping what is heard: the menu's Record, the mark on the window while it records, and the
// status line's word when recording stops by itself.
#include "app/PlayerWindow.h"

#include "app/Twips.h"
#include "media/MediaPlayer.h"
#include "record/Recorder.h"

#include <QStandardPaths>

namespace lumo {

namespace {

// Status-line notes stay this many ticks of the status timer.
constexpr int kNoteTicks = 10;

std::filesystem::path recordingsFolder(const std::filesystem::path& given) {
    if (!given.empty()) {
        return given;
    }
    return std::filesystem::path(
               QStandardPaths::writableLocation(QStandardPaths::MusicLocation).toStdString()) /
           "Lumo";
}

} // namespace

void PlayerWindow::buildRecorder() {
    m_recorder = new Recorder(recordingsFolder(m_services.recordings), m_services.freeSpace, this);
    connect(
        m_recorder, &Recorder::stopped, this,
        [this](const QString& why) {
            m_recordMark->hide();
            noteOnStatusLine(why);
        },
        Qt::QueuedConnection);
    m_recordMark = new QLabel(QStringLiteral("\u25CF REC"), this);
    m_recordMark->setTextFormat(Qt::PlainText);
    m_recordMark->setGeometry(twipsToPixels(1440), twipsToPixels(4860), twipsToPixels(700),
                              twipsToPixels(255));
    m_recordMark->setStyleSheet(QStringLiteral(
        "color: #ff4d4d; font-family: 'DejaVu Sans'; font-size: 10px; font-weight: bold;"));
    m_recordMark->setAccessibleName(QStringLiteral("Recording"));
    m_recordMark->hide();
}

bool PlayerWindow::canRecord() const {
    return m_recorder->recording() || m_media->streamTap() != nullptr;
}

bool PlayerWindow::recording() const {
    return m_recorder->recording();
}

void PlayerWindow::setRecording(bool on) {
    if (!on) {
        m_recorder->stop();
        m_recordMark->hide();
        noteOnStatusLine(QStringLiteral("Recording stopped"));
        return;
    }
    StreamTap* tap = m_media->streamTap();
    if (tap == nullptr || m_recorder->recording()) {
        return;
    }
    const QString refused = m_recorder->start(*tap, m_state.shownStationName);
    m_recordMark->setVisible(refused.isEmpty());
    noteOnStatusLine(refused.isEmpty() ? QStringLiteral("Recording") : refused);
}

void PlayerWindow::noteOnStatusLine(const QString& note) {
    m_statusNote = note;
    m_noteTicks = kNoteTicks;
    Label1->setText(note);
}

} // namespace lumo
