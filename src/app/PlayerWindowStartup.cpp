// The player window's start-up sequence and the ways it ends.
#include "app/AdvertFiles.h"
#include "app/AdvertRotation.h"
#include "app/LiveFeed.h"
#include "app/MouseMove1.h"
#include "app/PlayerWindow.h"
#include "app/SongTitles.h"
#include "app/StationsUpdater.h"

#include "app/BannerStandIn.h"
#include "app/Settings.h"
#include "app/StationLogo.h"
#include "app/Twips.h"
#include "chooser/Stations.h"
#include "desktop/FileModified.h"
#include "desktop/Mpris.h"
#include "desktop/StatusIcon.h"
#include "info/InfoWindow.h"
#include "media/MediaPlayer.h"
#include "media/VideoWidget.h"
#include "platform/ClickLabel.h"
#include "platform/DisplaySession.h"
#include "platform/PlainText.h"
#include "platform/UrlOpener.h"
#include "playback/Playback.h"
#include "playback/PlaybackMpris.h"
#include "update/Ftp.h"
#include "update/StationListUpdate.h"
#include "update/UpdateSite.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>

namespace lumo {

namespace {

constexpr int kSkinHeightTwips = 5820;

} // namespace

void PlayerWindow::load() {
    getMOD();
    updateSiteHttpBase = std::string(kUpdateSiteHost) + kUpdateSiteFolder;
    Timer4->setInterval(10000);
    m_state.stayOnTopMode = kStayOnTopOff;
    Image14->setPixmap(Image24);
    // The volume the listener left (100 on the first start).
    m_state.volumeLevel = static_cast<std::int16_t>(m_settings->volume());
    m_media->setVolume(m_state.volumeLevel);
    placeVolumeKnob();
    fitWindowToSkin();
    centreOnScreen();
    // The default station starts before the window is drawn, so that it connects and buffers
    // while the window appears.
    m_fileIO->LoadViewerPreference();
    m_fileIO->LoadDefaultStation(m_startAddress.empty());
    if (!m_startAddress.empty() && !m_playback->openAddress(m_startAddress, m_startName)) {
        m_fileIO->LoadDefaultStation();
    }
    show();
    m_updater->load();
    m_playback->statusCycle().statusTickCount = 11;
    Timer1->setInterval(500);
    if (m_state.useDefaultViewer == 1) {
        Timer1->setInterval(0);
        loadChooser();
        if (m_chooser) {
            m_chooser->showMinimized();
        }
    }
    if (m_services.desktopBus && m_mpris == nullptr) {
        m_mprisView = std::make_unique<PlaybackMpris>(
            *m_playback, PlaybackMpris::Window{[this] { raiseWindow(); }, [this] { shutdown(); },
                                               [this] {
                                                   std::string cover = liveFeedPicture();
                                                   return cover.empty() ? m_logo->file().string()
                                                                        : cover;
                                               }});
        m_mpris = new Mpris(*m_mprisView, this);
        m_songTitles->announceOnDesktop();
        // An extra way back to the player, where the desktop has a status area.
        m_statusIcon = new StatusIcon(*m_mprisView,
                                      {[this] { return isVisible() && !isMinimized(); },
                                       [this] { raiseWindow(); }, [this] { hide(); }},
                                      this);
    }
    if (m_services.createDesktopShortcut) {
        m_services.createDesktopShortcut();
    }
}

// The skin measures 5820 twips high only at 15 twips per pixel. Elsewhere the outline cannot
// be cut from it, so the window stays rectangular and shows the fallback skin image.
void PlayerWindow::fitWindowToSkin() {
    const int skinHeightTwips = picture1.height() * screenTwipsPerPixel(*this);
    if (skinHeightTwips == kSkinHeightTwips) {
        resize(picture1.width(), picture1.height() - twipsToPixels(kWindowHeightCutTwips));
        applySkinOutline();
    } else {
        Image15->show();
        Image15->lower();
        resize(Image15->width(), Image15->height() - twipsToPixels(kWindowHeightCutTwips));
    }
}

void PlayerWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    move(area.left() + area.width() / 2 - width() / 2,
         area.top() + area.height() / 2 - height() / 2);
}

void PlayerWindow::getMOD() {
    {
        CFILEMOD info(m_state);
        info.FindFileInfo(m_folder.resolve("\\lumo.csv").string(), true);
    }
    if (!m_state.stationListDate.empty()) {
        Label4->setText(displayText(m_state.stationListDate));
        Label4->setAccessibleName(tr("Station list date: %1").arg(Label4->text()));
    }
}

void PlayerWindow::connectControls() {
    Timer5->onTick([this] { // re-show after a failed update connection
        if (Timer5->interval() == 0) {
            return;
        }
        Timer5->setInterval(0);
        show();
    });
    connect(Image3, &ClickLabel::clicked, this, &PlayerWindow::minimise);
    connect(Image4, &ClickLabel::clicked, this, &PlayerWindow::shutdown);
    connect(Image23, &ClickLabel::clicked, this, [this] { m_fileIO->SaveDefaultStation(); });

    // Information and help: pressed and normal pictures; their windows open on release.
    auto pressRelease = [this](ClickLabel* button, const QPixmap& down, const QPixmap& up) {
        connect(button, &ClickLabel::pressed, this,
                [this, button, &down] { pressPicture(button, down); });
        connect(button, &ClickLabel::released, this,
                [this, button, &up] { pressPicture(button, up); });
    };
    pressRelease(Image38, Image37, Image36);
    pressRelease(Image39, Image41, Image40);
    connect(Image38, &ClickLabel::released, this, [this] { openInfoWindow(new About(*this)); });
    connect(Image39, &ClickLabel::released, this, [this] { openInfoWindow(new help(*this)); });
}

// The banner stands in for a minimised player. A Wayland window is never told that it was
// minimised, so there the banner could not know when to go: it is left out.
void PlayerWindow::minimise() {
    showMinimized();
    if (!onNativeWayland()) {
        m_banner->open();
    }
}

ADVERT1* PlayerWindow::banner() const {
    return m_banner->banner();
}

// The live feed's picture while the feed is on: what the desktop shows as the cover.
std::string PlayerWindow::liveFeedPicture() const {
    const std::filesystem::path picture = m_folder.resolve("\\DJCAM.jpg");
    std::error_code ec;
    if (m_state.liveFeedOn != 1 || !std::filesystem::exists(picture, ec)) {
        return {};
    }
    return picture.string();
}

void PlayerWindow::startWith(std::string address, std::string name) {
    m_startAddress = std::move(address);
    m_startName = std::move(name);
}

void PlayerWindow::raiseWindow() {
    showNormal();
    raise();
    activateWindow();
}

// The window as it looks: its outline cut out, the video rectangle black (a native window
// has no picture to render).
QPixmap PlayerWindow::playerPicture() {
    const QPixmap window = grab();
    QPixmap picture(window.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    if (!mask().isEmpty()) {
        painter.setClipRegion(mask());
    }
    painter.drawPixmap(0, 0, window);
    painter.fillRect(MD->geometry(), Qt::black);
    return picture;
}

QWidget* PlayerWindow::infoWindow() const {
    return m_infoWindow;
}

// The information and help buttons open their windows on release, in the player's place.
void PlayerWindow::openInfoWindow(QWidget* window) {
    delete m_infoWindow;
    m_infoWindow = window;
    hide();
    static_cast<InfoWindow*>(window)->load();
}

// Qt sends this only to the widget that held the focus, so it runs when the window itself,
// not one of its controls, loses it.
void PlayerWindow::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    minimise();
}

// Everything under way stops before anything else happens: a tick due meanwhile starts nothing.
void PlayerWindow::shutdown() {
    stopEverything();
    hide();
    m_media->stop();
    deleteAdverts();
    endProgram();
}

void PlayerWindow::closeEvent(QCloseEvent* event) {
    // Closing is never refused; the advert pictures go with the window, and so does the program.
    deleteAdverts();
    event->accept();
    endProgram();
}

void PlayerWindow::showPlayerWindow() {
    if (!m_ending) {
        show();
    }
}

// The program is ending: no timer ticks again, and every transfer and decode under way is
// cancelled (its connection closed) rather than waited for.
void PlayerWindow::stopEverything() {
    m_ending = true;
    for (Timer* timer :
         {Timer1, Timer2, Timer4, Timer5, Timer6, Timer7, Timer8, Timer9, Timer10, Timer11}) {
        timer->setInterval(0);
    }
    m_playback->release();
    m_liveFeed->abandon();
    m_adverts->abandon();
    m_updater->abandon();
}

void PlayerWindow::endProgram() {
    stopEverything();
    if (m_services.endProgram) {
        m_services.endProgram();
    } else {
        QApplication::exit(0);
    }
}

void PlayerWindow::deleteAdverts() {
    deleteAdvertFiles(m_folder);
}

} // namespace lumo
