#include "app/PlayerWindow.h"

#include "app/AdvertRotation.h"
#include "app/BannerStandIn.h"
#include "app/DirectoryPlays.h"
#include "app/LiveFeed.h"
#include "app/OwnStationActions.h"
#include "app/ScrollingCaption.h"
#include "app/Settings.h"
#include "app/SkinRegion.h"
#include "app/SongTitles.h"
#include "app/StationLogo.h"
#include "app/StationsUpdater.h"
#include "app/Twips.h"
#include "catalogue/Favourites.h"
#include "catalogue/MyStations.h"
#include "catalogue/StationInfo.h"
#include "chooser/Stations.h"
#include "logos/LogoSource.h"
#include "media/MediaPlayer.h"
#include "media/StreamTap.h"
#include "media/VideoWidget.h"
#include "net/StationProbe.h"
#include "platform/Artwork.h"
#include "platform/ClickLabel.h"
#include "platform/DisplaySession.h"
#include "platform/PlainText.h"
#include "playback/Playback.h"
#include "playback/PlaybackMpris.h"
#include "record/Recorder.h"
#include "update/Ftp.h"
#include "update/StationListUpdate.h"

#include <QCoreApplication>
#include <QPainter>
#include <type_traits>

namespace lumo {

namespace {

// The skin's panel colour, under the live feed's caption.
constexpr const char* kCaptionBackground = "#10202e";

// A control placed by its design position and size in twips.
template <typename Control>
Control* place(QWidget* parent, int left, int top, int width, int height,
               const char* tooltip = nullptr) {
    auto* control = new Control(parent);
    if constexpr (std::is_base_of_v<QLabel, Control>) {
        control->setTextFormat(Qt::PlainText); // captions show names and titles from outside
    }
    control->setGeometry(twipsRect(left, top, width, height));
    if (tooltip != nullptr) {
        control->setToolTip(QCoreApplication::translate("lumo::PlayerWindow", tooltip));
    }
    return control;
}

// A caption over the skin. One that lies over the video (a native window, which paints
// nothing of its own behind the caption) needs a background of its own, or each new text is
// drawn over the old.
void styleCaption(QLabel* label, int pixelSize, const char* colour, bool bold = false,
                  const char* background = "transparent") {
    label->setStyleSheet(QStringLiteral("QLabel { background: %4; color: %1; "
                                        "font-family: 'DejaVu Sans'; font-size: %2px; %3 "
                                        "padding-left: 4px; }")
                             .arg(QLatin1String(colour))
                             .arg(pixelSize)
                             .arg(bold ? QStringLiteral("font-weight: bold;") : QString())
                             .arg(QLatin1String(background)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(std::string_view(background) != "transparent");
}

} // namespace

// The built-in advert: its picture, and below the name the line that says what the program is,
// written in the listener's language at the picture's density.
QPixmap PlayerWindow::withTagline(QPixmap picture) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QColor(0xd8, 0xf0, 0xff));
    const QRectF line(70, 36, picture.deviceIndependentSize().width() - 74, 20);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(tr("Radio and TV from around the world"), Qt::ElideRight,
                                          static_cast<int>(line.width())));
    return picture;
}

PlayerWindow::PlayerWindow(ProgramState& state, const AppFolder& folder,
                           PlayerWindowServices services)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window), m_state(state), m_folder(folder),
      m_services(std::move(services)) {
    setWindowTitle(QStringLiteral("Lumo"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // On Wayland the outline only limits input: the corners are made see-through instead.
    setAttribute(Qt::WA_TranslucentBackground, onNativeWayland());
    loadPictures();
    buildControls();
    nameControls();
    m_settings = new Settings(m_folder.resolve("\\SETTINGS"), this);
    m_songTitles = new SongTitles(m_folder.resolve("\\TITLES"), *m_settings, *this);
    m_favourites = std::make_unique<Favourites>(m_folder.resolve("\\FAVOURITES"));
    m_myStations = std::make_unique<MyStations>(m_folder.resolve("\\MYSTATIONS"));
    setAcceptDrops(true);
    m_media = m_services.makeMediaPlayer(MD);
    m_playback = new Playback(
        m_state, *m_media,
        {[this](const std::string& address, const StreamKeeper::Answered& answered) -> PendingPtr {
             if (!canProbe(address)) {
                 return later([answered] { answered(std::nullopt); });
             }
             return probeStation(m_services.network, address, 2000,
                                 [answered](bool answers) { answered(answers); });
         },
         m_services.clock, m_services.recordings, m_services.freeSpace},
        this);
    buildRecordMark();
    m_directoryPlays = new DirectoryPlays(
        m_services.network, m_folder.resolve(std::string("\\") + kStationInfoFile),
        [this](const std::string& stream) {
            const auto own = m_myStations->ofKind(m_state.CurrentStation.kind);
            return std::ranges::any_of(
                own, [&](const StationRecord& station) { return station.streamUrl == stream; });
        },
        this);
    connect(m_playback, &Playback::startedPlaying, m_directoryPlays, &DirectoryPlays::playing);
    m_updater = new StationsUpdater(m_state, m_folder, m_services.network,
                                    {*this, m_services.messages, [this] { showPlayerWindow(); },
                                     [this] { hide(); }, [this] { getMOD(); },
                                     [this] { Timer5->setInterval(100); }},
                                    this);
    m_fileIO = std::make_unique<FILEIO>(m_state, m_folder, *m_media, m_services.shell,
                                        m_services.messages, *this);
    m_banner = std::make_unique<BannerStandIn>(
        BannerStandIn::Player{*this, *Image14, *m_media, m_state, m_services.cursor, *Timer6});
    m_ownStations = new OwnStationActions(
        {m_state, *m_playback, *m_myStations, *m_fileIO, m_services.messages}, *this);
    connectControls();
    connectPlayback();
    connectWindowBehaviour();
    connectChooser();
    connectLiveFeed();
    connectAdverts();
    connectLogo();
}

// The station's logo lies in the picture area, under the live feed's frame.
void PlayerWindow::connectLogo() {
    m_logoView = new QLabel(this);
    m_logoView->setGeometry(MD->geometry());
    m_logoView->setAlignment(Qt::AlignCenter);
    m_logoView->setTextFormat(Qt::PlainText);
    m_logoView->setStyleSheet(QStringLiteral("background: black;"));
    m_logoView->setAccessibleName(tr("Station logo"));
    m_logoView->hide();
    m_logoView->stackUnder(Image35);
    m_logoSource = std::make_unique<LogoSource>(m_services.network, *m_decoder,
                                                LogoSource::cacheFolder(m_folder.path()));
    m_logo = std::make_unique<StationLogo>(
        *m_logoSource, m_folder.resolve(std::string("\\") + kStationInfoFile), *m_logoView);
    connect(m_playback, &Playback::startedPlaying, this, [this](const std::string& address) {
        const StreamTap* tap = m_media->streamTap();
        m_logo->playing(address, m_state.CurrentStation.kind != "TV",
                        tap != nullptr ? tap->logo() : std::string());
    });
    connect(m_playback, &Playback::transportPressed, this, [this](Transport button) {
        if (button == Transport::Stop) {
            m_logo->clear();
        }
    });
}

void PlayerWindow::connectLiveFeed() {
    m_http = std::make_unique<CurlHttpTransfer>(m_services.network, m_services.httpLimits);
    m_decoder = std::make_unique<PictureDecoder>(m_services.pictureLimits);
    m_liveFeed = std::make_unique<LiveFeed>(
        m_state, m_folder, *m_http, *m_decoder, m_services.messages,
        LiveFeedView{*Image32, *Image35, *Label3, Image33, Image34, Image42, *Timer8, *Timer10,
                     *Timer11, [this] { hide(); }, [this] { show(); }});
    connect(Image32, &ClickLabel::clicked, this, [this] { m_liveFeed->buttonClicked(); });
}

void PlayerWindow::connectAdverts() {
    m_adverts = std::make_unique<AdvertRotation>(m_state, m_folder, *m_http, *m_decoder, *m_fileIO,
                                                 m_services.shell,
                                                 AdvertView{*Image14, Image24, updateSiteHttpBase});
    Timer4->onTick([this] {
        if (Timer4->interval() != 0) {
            m_adverts->ShowAdvert();
        }
    });
    connect(Image14, &ClickLabel::clicked, this, [this] { m_adverts->clicked(); });
}

void PlayerWindow::AwaitLiveFeed() {
    m_liveFeed->AwaitLiveFeed();
}

void PlayerWindow::PauseLiveFeed() {
    m_liveFeed->PauseLiveFeed();
}

void PlayerWindow::SwitchLiveFeedOff() {
    m_liveFeed->SwitchLiveFeedOff();
}

PlayerWindow::~PlayerWindow() {
    m_ending = true;               // the windows that go with it do not bring it back
    m_playback->recorder().stop(); // what was recorded is kept before the stream goes
    delete m_chooser;              // top-level windows of their own while loaded
    delete m_infoWindow;
    deleteAdverts(); // the window's final release
}

void PlayerWindow::loadPictures() {
    picture1 = QImage(QStringLiteral(":/artwork/skin.png")); // the outline: always the 1x skin
    m_background = artwork("skin", picture1);
    if (m_background.devicePixelRatio() > 1.0) {
        // The outline is cut at the 1x skin's pixels: the finer picture's edge is carried past
        // it, so no key colour shows between the two or where the picture is scaled.
        const qreal ratio = m_background.devicePixelRatio();
        m_background =
            QPixmap::fromImage(SkinWithoutKeyColour(m_background.toImage(), picture1.pixel(0, 0)));
        m_background.setDevicePixelRatio(ratio);
    }
    Image8 = artwork("play_unlit");
    Image9 = artwork("play_lit");
    Image13 = artwork("play_pressed");
    Image10 = artwork("stop_pressed");
    Image11 = artwork("stop_unlit");
    Image12 = artwork("stop_lit");
    Image26 = artwork("pause_lit");
    Image27 = artwork("pause_pressed");
    Image28 = artwork("pause_unlit");
    Image16 = artwork("default_station_pressed");
    Image17 = artwork("default_station");
    Image24 = withTagline(artwork("default_advert"));
    Image30 = artwork("on_top_off");
    Image31 = artwork("on_top_on");
    Image33 = artwork("live_feed_on");
    Image34 = artwork("live_feed_off");
    Image42 = artwork("live_feed_placeholder");
    Image36 = artwork("information");
    Image37 = artwork("information_pressed");
    Image40 = artwork("help");
    Image41 = artwork("help_pressed");
}

void PlayerWindow::buildControls() {
    // The fallback skin image lies under everything else and is shown only when the outline
    // cannot be cut; pressing it drags the window.
    Image15 = place<ClickLabel>(this, 0, 0, 4485, 5820);
    Image15->setPixmap(m_background);
    Image15->hide();

    MD = place<VideoWidget>(this, 460, 1900, 3470, 2385);

    Image35 = place<ClickLabel>(this, 465, 1905, 3480, 2190);
    Image35->setPixmap(Image42);
    Image35->setScaledContents(true);
    Image35->hide();

    Label1 = place<QLabel>(this, 480, 4480, 3480, 255);
    styleCaption(Label1, 11, "#bfe6ff");
    m_statusScroll = new ScrollingCaption(*Label1);
    Label2 = place<ClickLabel>(
        this, 360, 1480, 3735, 255,
        QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Click here to view Website of this Station"));
    styleCaption(Label2, 12, "#ffffff", true);
    Label2->setCursor(Qt::PointingHandCursor);
    Label3 = place<QLabel>(this, 465, 4100, 3480, 195);
    styleCaption(Label3, 10, "#ffd27a", false, kCaptionBackground);
    Label3->hide(); // shown while the live feed is on
    Label4 = place<QLabel>(this, 120, 4860, 1215, 255);
    styleCaption(Label4, 10, "#9fb4c8");
    Label5 = place<ClickLabel>(this, 3000, 5040, 1095, 375);
    Label5->setCursor(Qt::PointingHandCursor);
    // The pill's word, in the listener's language, right of the change-station picture.
    Label5->setText(tr("Stations"));
    Label5->setStyleSheet(QStringLiteral(
        "QLabel { background: transparent; color: #ffffff; font-family: 'DejaVu Sans'; "
        "font-size: 9px; font-weight: bold; padding-left: 27px; padding-right: 4px; }"));
    Label5->setAlignment(Qt::AlignCenter);
    Label7 = place<ClickLabel>(
        this, 840, 6000, 3495, 255,
        QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Click here to return to Default station"));
    styleCaption(Label7, 11, "#bfe6ff");

    auto button = [this](int left, int top, int width, int height, const QPixmap& picture,
                         const char* tooltip = nullptr) {
        auto* b = place<ClickLabel>(this, left, top, width, height, tooltip);
        b->setPixmap(picture);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    Image1 = button(120, 5160, 540, 495, Image11);
    Image2 = button(720, 5160, 540, 495, Image8);
    Image25 = button(1320, 5160, 540, 495, Image28);
    Image3 = button(3720, 45, 270, 240, artwork("minimise"),
                    QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Minimise"));
    Image4 = button(4080, 45, 270, 240, artwork("shutdown"),
                    QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Shutdown"));
    Image5 = button(120, 4440, 405, 390, artwork("update_stations"),
                    QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Update Stations listings"));
    Image6 = button(3100, 5100, 300, 225, artwork("change_station"),
                    QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Click here to change the station"));
    Image7 = button(1440, 45, 735, 240, Image17,
                    QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Lad Default Station"));
    Image14 = button(240, 350, 3930, 990, Image24,
                     QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Advert Banner"));
    Image14->setScaledContents(true);
    Image22 = button(0, 2280, 375, 375, artwork("volume_knob"),
                     QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Adjust volume"));
    Image22->setCursor(Qt::SizeVerCursor);
    Image23 = button(3960, 4440, 405, 390, artwork("set_default"),
                     QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Set this Station as the Default"));
    Image29 = button(240, 45, 345, 240, Image30,
                     QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Lumo Stays on Top of all screens"));
    Image32 = button(650, 45, 660, 240, Image34, QT_TRANSLATE_NOOP("lumo::PlayerWindow", "DJ Cam"));
    Image38 =
        button(2280, 45, 270, 240, Image36, QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Information"));
    Image39 = button(2700, 45, 510, 240, Image40, QT_TRANSLATE_NOOP("lumo::PlayerWindow", "Help"));

    for (Timer** timer : {&Timer1, &Timer2, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9,
                          &Timer10, &Timer11}) {
        *timer = new Timer(this);
    }
}

void PlayerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_outline.isEmpty()) {
        painter.setClipRegion(m_outline);
    }
    painter.drawPixmap(0, 0, m_background);
}

void PlayerWindow::setDefaultStationCaption(const std::string& name) {
    setElidedText(*Label7, displayText(name));
}

void PlayerWindow::pressPicture(ClickLabel* button, const QPixmap& picture) {
    button->setPixmap(picture);
}

} // namespace lumo
