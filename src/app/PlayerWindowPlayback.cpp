// Playback side of the player window: the status tick, the transport buttons, full screen,
// the volume steps and the station links.
#include "app/BannerStandIn.h"
#include "app/OwnStationActions.h"
#include "app/PlayerWindow.h"
#include "app/ScrollingCaption.h"
#include "app/Settings.h"
#include "app/SongTitles.h"
#include "app/StationLogo.h"
#include "app/Twips.h"
#include "chooser/Stations.h"
#include "desktop/StatusIcon.h"
#include "media/MediaPlayer.h"
#include "media/StreamTap.h"
#include "platform/ClickLabel.h"
#include "platform/OnTop.h"
#include "platform/PlainText.h"
#include "platform/UrlOpener.h"
#include "playback/Playback.h"

#include <QApplication>
#include <QKeyEvent>
#include <limits>
#include <utility>

namespace lumo {

namespace {} // namespace

void PlayerWindow::connectPlayback() {
    connect(m_playback, &Playback::transportPressed, this, &PlayerWindow::showPressed);
    connect(m_playback, &Playback::volumeChanged, this, [this](int level) {
        m_lastVolumeStep.start();
        placeVolumeKnob();
        if (!m_playback->sleepTimer().fading()) {
            m_settings->setVolume(level); // the listener's, kept for the next start
        }
    });
    connect(m_playback, &Playback::statusLineNow, this, &PlayerWindow::showStatusLine);
    connect(m_playback, &Playback::stationOpened, this, &PlayerWindow::AwaitLiveFeed);
    connect(m_playback, &Playback::sleepTimerChanged, this, &PlayerWindow::showSleepTimeLeft);
    Timer1->onTick([this] { statusTick(); });
    Timer2->onTick([this] { chooserClosingTick(); });
    Timer6->onTick([this] { bannerCloseTick(); });
    Timer7->onTick([this] { fullScreenWatchTick(); });

    connect(Image2, &ClickLabel::clicked, m_playback, &Playback::play);
    connect(Image1, &ClickLabel::clicked, m_playback, &Playback::stop);
    connect(Image25, &ClickLabel::clicked, m_playback, &Playback::pause);
    m_media->onClick([this] { fullScreenToggle(); });
    m_media->onDoubleClick([this] { fullScreenToggle(); });
    connect(Label2, &ClickLabel::clicked, this, &PlayerWindow::openStationWebPage);
    connect(Label7, &ClickLabel::clicked, this, &PlayerWindow::returnToDefaultStation);
}

// The button just used shows pressed until the next status tick.
void PlayerWindow::showPressed(Transport button) {
    switch (button) {
    case Transport::Play:
        Image2->setPixmap(Image13);
        break;
    case Transport::Stop:
        Image1->setPixmap(Image10);
        break;
    case Transport::Pause:
        Image25->setPixmap(Image27);
        break;
    }
}

// The keyboard, while the player window is the active window: Space plays or pauses, S stops,
// Up and Down step the volume, Left and Right move 30 seconds back or forward in a live stream
// kept while it plays, F toggles full screen, M minimises, F1 opens the help, Ctrl+Q quits. (Escape
// leaves full screen from anywhere, as the video does itself.)
void PlayerWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        m_ownStations->pasteAddress();
        event->accept();
        return;
    }
    // Ctrl+Q ends the program as the shutdown button does.
    if (event->matches(QKeySequence::Quit) ||
        (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_Q)) {
        event->accept();
        shutdown();
        return;
    }
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_L) {
        m_ownStations->openAddressDialog();
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        m_playback->playOrPause();
        break;
    case Qt::Key_S:
        m_playback->stop();
        break;
    case Qt::Key_Up:
        m_playback->UPVOL();
        break;
    case Qt::Key_Left:
        m_playback->moveBy(-Playback::kStepSeconds);
        break;
    case Qt::Key_Right:
        m_playback->moveBy(Playback::kStepSeconds);
        break;
    case Qt::Key_Down:
        m_playback->DOWNVOL();
        break;
    case Qt::Key_F:
        fullScreenToggle();
        break;
    case Qt::Key_M:
        minimise();
        break;
    case Qt::Key_F1:
        emit Image39->released(); // help
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

// The window shows what playback says on each tick: the status line, the station's name, the
// transport pictures.
void PlayerWindow::statusTick() {
    if (Timer1->interval() == 0) {
        return;
    }
    if (isVisible() && m_state.stayOnTopMode == kStayOnTopOn) {
        ONTOP::SetOnTop(*this, ONTOP::kTrue);
    }
    m_songTitles->heard(m_media->nowPlaying(), m_state.shownStationName, m_logo->file());
    const Playback::Tick tick = m_playback->statusTick();
    if (tick.statusLine) {
        showStatusLine(*tick.statusLine);
    }
    setElidedText(*Label2, displayText(m_state.shownStationName));
    if (m_statusIcon != nullptr) {
        m_statusIcon->refresh();
    }
    if (tick.shown) {
        showTransportState(*tick.shown);
    }
}

// A status line too long for its place ends in "…" (and scrolls while the pointer rests on
// it); the whole of it is its tooltip, and what screen readers read.
void PlayerWindow::showStatusLine(const QString& text) {
    m_statusScroll->setText(text);
    const QString whole = m_statusScroll->cut() ? text : QString();
    if (Label1->toolTip() != whole) {
        Label1->setToolTip(whole);
    }
    const QString read = text.isEmpty() ? tr("Status") : text;
    if (Label1->accessibleName() != read) {
        Label1->setAccessibleName(read);
    }
}

void PlayerWindow::showTransportState(PlayState state) {
    const QPixmap& play = state == PlayState::Playing ? Image9 : Image8;
    const QPixmap& stop = state == PlayState::Stopped ? Image12 : Image11;
    const QPixmap& pause = state == PlayState::Paused ? Image26 : Image28;
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
        m_banner->close();
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
    m_banner->close();
}

int PlayerWindow::volumeKnobTopTwips() const {
    return playback::knobTopTwips(m_state.volumeLevel);
}

void PlayerWindow::placeVolumeKnob() {
    Image22->move(Image22->x(), twipsToPixels(volumeKnobTopTwips()));
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
