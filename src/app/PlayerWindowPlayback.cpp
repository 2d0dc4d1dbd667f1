// Playback side of the player window: the status tick, the transport buttons, full screen,
// the volume steps and the station links.
#include "app/PlayerWindow.h"
#include "app/StreamKeeper.h"
#include "app/Twips.h"
#include "chooser/Stations.h"
#include "media/MediaPlayer.h"
#include "media/StreamTap.h"
#include "platform/ClickLabel.h"
#include "platform/OnTop.h"
#include "platform/PlainText.h"
#include "platform/UrlOpener.h"

#include <QApplication>
#include <QKeyEvent>
#include <limits>
#include <utility>

namespace lumo {

namespace {

constexpr int kKnobTopLoudest = 2280; // twips; volume 100
constexpr int kKnobTopSilent = 3280;  // twips; volume 0
constexpr int kKnobStepTwips = 100;

} // namespace

void PlayerWindow::connectPlayback() {
    m_reconnectWait.setSingleShot(true);
    m_reconnectWait.setInterval(1000);
    connect(&m_reconnectWait, &QTimer::timeout, this, [this] {
        if (m_state.reconnectState == 2 && m_reconnectUrl == m_state.CurrentStation.streamUrl) {
            m_media->setURL(m_reconnectUrl);
        }
    });
    Timer1->onTick([this] { statusTick(); });
    Timer2->onTick([this] { chooserClosingTick(); });
    Timer6->onTick([this] { bannerCloseTick(); });
    Timer7->onTick([this] { fullScreenWatchTick(); });

    connect(Image2, &ClickLabel::clicked, this, &PlayerWindow::playClicked);
    connect(Image1, &ClickLabel::clicked, this, &PlayerWindow::stopClicked);
    connect(Image25, &ClickLabel::clicked, this, &PlayerWindow::pauseClicked);
    m_media->onClick([this] { fullScreenToggle(); });
    m_media->onDoubleClick([this] { fullScreenToggle(); });
    connect(Label2, &ClickLabel::clicked, this, &PlayerWindow::openStationWebPage);
    connect(Label7, &ClickLabel::clicked, this, &PlayerWindow::returnToDefaultStation);
}

void PlayerWindow::playClicked() {
    m_keeper->cancel();
    m_reconnectWait.stop();
    m_media->play();
    Image2->setPixmap(Image13);
}

void PlayerWindow::stopClicked() {
    m_keeper->cancel();
    m_reconnectWait.stop();
    m_media->stop();
    Image1->setPixmap(Image10);
}

void PlayerWindow::pauseClicked() {
    m_media->pause();
    Image25->setPixmap(Image27);
}

// The keyboard, while the player window is the active window: Space plays or pauses, S stops,
// Up and Down step the volume, F toggles full screen, M minimises. (Escape leaves full screen
// from anywhere, as the video does itself.)
void PlayerWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteAddress();
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_L) {
        openAddressDialog();
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        if (m_media->playState() == PlayState::Playing) {
            pauseClicked();
        } else {
            playClicked();
        }
        break;
    case Qt::Key_S:
        stopClicked();
        break;
    case Qt::Key_Up:
        UPVOL();
        break;
    case Qt::Key_Down:
        DOWNVOL();
        break;
    case Qt::Key_F:
        fullScreenToggle();
        break;
    case Qt::Key_M:
        minimise();
        break;
    case Qt::Key_Menu:
        openMenu(mapToGlobal(QPoint(width() / 4, height() / 3)));
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        startKeyboardNavigation(event->key() == Qt::Key_Backtab);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// A station opened by its address is named by what its stream calls itself, once it says.
void PlayerWindow::nameOpenedStation() {
    Station& station = m_state.CurrentStation;
    const StreamTap* tap = m_media->streamTap();
    if (tap != nullptr && station.name == station.streamUrl && !tap->stationName().empty()) {
        station.name = tap->stationName();
        m_state.shownStationName = station.name;
    }
}

void PlayerWindow::statusTick() {
    if (Timer1->interval() == 0) {
        return;
    }
    if (isVisible() && m_state.stayOnTopMode == 2) {
        ONTOP::SetOnTop(*this, ONTOP::kTrue);
    }
    if (statusTickCount < std::numeric_limits<std::int16_t>::max()) {
        ++statusTickCount;
    }

    const auto programTime = [this] {
        return QStringLiteral("Program Time - %1 minutes")
            .arg(displayText(m_media->durationString()));
    };
    noteTitle();
    nameOpenedStation();
    const QString statusText = displayText(m_media->status());
    if (m_noteTicks > 0) {
        --m_noteTicks;
        Label1->setText(m_statusNote);
    } else if (m_media->duration() == 0) {
        Label1->setText(statusText);
    } else if (programTimeShown == 1) {
        Label1->setText(programTime());
        programTimeShown = 0;
    } else if (statusTickCount > 10 && statusTickCount < 20) {
        Label1->setText(statusText);
    } else if (statusTickCount >= 20) {
        Label1->setText(programTime());
        programTimeShown = 1;
        statusTickCount = 0;
    }

    setElidedText(*Label2, displayText(m_state.shownStationName));
    m_media->setMute(false);
    m_media->setStretchToFit(true);

    switch (m_media->playState()) {
    case PlayState::Undefined:
        return;
    case PlayState::Stopped:
        showTransportState(Image8, Image12, Image28);
        m_state.streamReached = 1;
        break;
    case PlayState::Paused:
        showTransportState(Image8, Image11, Image26);
        m_state.streamReached = 1;
        break;
    case PlayState::Playing:
        showTransportState(Image9, Image11, Image28);
        m_state.streamReached = 1;
        m_keeper->streamPlaying();
        break;
    case PlayState::Ready:
        if (m_state.streamReached == 1) {
            // A live stream has no end of its own: it dropped, so bring it back. A clip with a
            // length has simply finished.
            if (m_media->duration() == 0 && m_keeper->streamDropped(m_media->URL())) {
                Label1->setText(QStringLiteral("Reconnecting..."));
            } else if (m_media->duration() == 0) {
                Label1->setText(QStringLiteral("Failed to Connect"));
                m_state.streamReached = 0;
            } else {
                Label1->setText(QStringLiteral("Complete"));
            }
        } else if (m_state.reconnectState != 1) {
            Label1->setText(QStringLiteral("Failed to Connect"));
            m_state.streamReached = 0;
        } else {
            // One more try, a second later; another station or a stop meanwhile wins.
            m_state.reconnectState = 2;
            m_media->stop();
            m_reconnectUrl = m_state.CurrentStation.streamUrl;
            m_reconnectWait.start();
        }
        break;
    default:
        break;
    }
}

void PlayerWindow::showTransportState(const QPixmap& play, const QPixmap& stop,
                                      const QPixmap& pause) {
    // Each status tick gives the pictures again; setting a label's picture repaints it (and the
    // skin under it) even when it is the same one.
    for (auto [label, picture] : {std::pair{Image2, &play}, {Image1, &stop}, {Image25, &pause}}) {
        if (label->pixmap().cacheKey() != picture->cacheKey()) {
            label->setPixmap(*picture);
        }
    }
}

void PlayerWindow::fullScreenToggle() {
    if (m_media->fullScreen()) {
        m_media->setFullScreen(false);
    } else if (m_media->playState() == PlayState::Playing) {
        m_media->setFullScreen(true);
    }
}

void PlayerWindow::fullScreenWatchTick() {
    if (Timer7->interval() == 0) {
        return;
    }
    if (!m_media->fullScreen()) {
        Timer7->setInterval(0);
        closeBanner();
        Label1->setVisible(true);
        Label2->setVisible(true);
        Image23->setVisible(true);
        Image5->setVisible(true);
    }
}

void PlayerWindow::chooserClosingTick() {
    if (Timer2->interval() == 0) {
        return;
    }
    Timer2->setInterval(0);
    if (m_chooser) {
        m_chooser->close();
    }
    Timer7->setInterval(1000);
    show();
}

void PlayerWindow::bannerCloseTick() {
    if (Timer6->interval() == 0) {
        return;
    }
    Timer6->setInterval(0);
    show();
    closeBanner();
}

void PlayerWindow::UPVOL() {
    if (m_knobTopTwips <= kKnobTopLoudest) {
        return;
    }
    m_lastVolumeStep.start();
    m_knobTopTwips -= kKnobStepTwips;
    placeVolumeKnob();
    m_state.volumeLevel = static_cast<std::int16_t>(std::min(m_state.volumeLevel + 10, 100));
    m_state.volumeDragAnchorY = static_cast<std::int16_t>(m_state.volumeDragAnchorY - 10);
    m_media->setVolume(m_state.volumeLevel);
}

void PlayerWindow::DOWNVOL() {
    if (m_knobTopTwips >= kKnobTopSilent) {
        return;
    }
    m_lastVolumeStep.start();
    m_state.volumeDragAnchorY = static_cast<std::int16_t>(m_state.volumeDragAnchorY + 10);
    m_knobTopTwips += kKnobStepTwips;
    placeVolumeKnob();
    m_state.volumeLevel = static_cast<std::int16_t>(m_state.volumeLevel - 10);
    m_media->setVolume(m_state.volumeLevel);
    if (m_state.volumeLevel < 10) {
        m_state.volumeLevel = 0;
    }
}

void PlayerWindow::placeVolumeKnob() {
    Image22->move(Image22->x(), twipsToPixels(m_knobTopTwips));
}

void PlayerWindow::openStationWebPage() {
    const std::string& page = m_state.CurrentStation.webPage;
    if (!page.empty() && page != "NONE") {
        m_services.shell.open(page);
    }
}

void PlayerWindow::returnToDefaultStation() {
    m_fileIO->ReturnToDefaultStation();
}

} // namespace lumo
