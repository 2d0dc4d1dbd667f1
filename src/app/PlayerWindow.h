#pragma once

#include "catalogue/FileIO.h"
#include "catalogue/PlayerWindowLink.h"
#include "chooser/ChooserHost.h"
#include "info/InfoHost.h"
#include "net/HttpTransfer.h"
#include "platform/AppFolder.h"
#include "platform/PictureDecoder.h"
#include "platform/Timer.h"
#include "state/ProgramState.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QMenu;

namespace lumo {

class ADVERT1;
class BannerStandIn;
class AdvertRotation;
class ClickLabel;
class LiveFeed;
class Mpris;
class MediaPlayer;
class MessageBoxes;
class NetEngine;
class ScreenCursor;
class Stations;
class cFTP;
class StationsUpdater;
class UpdateProgressWindow;
class UrlOpener;
class VideoWidget;
class SongTitles;
class StationLogo;
class StatusIcon;
class Settings;
class ScrollingCaption;
class LogoSource;
class DirectoryPlays;
class Favourites;
class MyStations;
class OpenAddressDialog;
class StationEditor;
class OwnStationActions;
class Playback;
class SleepTimer;
class PlaybackMpris;
enum class Transport;
enum class PlayState;
struct GivenStation;

// What the player window is given from outside: the desktop services, the network engine its
// transfers run on, and the way to make its media player for the video rectangle.
struct PlayerWindowServices {
    UrlOpener& shell;
    MessageBoxes& messages;
    const ScreenCursor& cursor;
    NetEngine& network;
    std::function<std::unique_ptr<MediaPlayer>(VideoWidget* video)> makeMediaPlayer;
    // Ends the program at once; by default leaves the application's event loop.
    std::function<void()> endProgram{};
    // How long the live feed's and the adverts' fetches may take, and how much they may bring.
    HttpLimits httpLimits{};
    // The last start-up step: asks the desktop for a shortcut to the executable (empty: none).
    std::function<void()> createDesktopShortcut{};
    // Offers the player on the session bus (MPRIS), when there is one.
    bool desktopBus = false;
    // What a picture from outside (the live feed's, an advert) may cost to decode.
    PictureLimits pictureLimits{};
    // The time the sleep timer counts by (empty: the steady clock).
    std::function<std::chrono::steady_clock::time_point()> clock{};
    // Where recordings go (empty: the user's music folder's "Lumo"), and the free space on
    // its disk (empty: asked of the system).
    std::filesystem::path recordings{};
    std::function<std::int64_t(const std::filesystem::path&)> freeSpace{};
};

// The main window: a frameless, skinned player with its video rectangle, labels, buttons,
// picture stores and timers.
class PlayerWindow : public QWidget, public PlayerWindowLink, public ChooserHost, public InfoHost {
    Q_OBJECT
public:
    PlayerWindow(ProgramState& state, const AppFolder& folder, PlayerWindowServices services);
    ~PlayerWindow() override;

    // The start-up sequence: sizes, centres and shows the window, then starts the default station
    // (or the one given to startWith).
    void load();
    // The station the start-up plays instead of the default (given on the command line).
    void startWith(std::string address, std::string name);
    // Playback, which the window's controls, keys, menu and the desktop bus call.
    Playback& playback() { return *m_playback; }
    // Shows the window, raised and active (a later start, the desktop bus).
    void raiseWindow();
    // The shutdown button, and Quit from the desktop: everything stops and the program ends.
    void shutdown();
    // The live feed's picture while the feed is on (the desktop's cover), or nothing.
    std::string liveFeedPicture() const;

    // PlayerWindowLink and ChooserHost
    void setDefaultStationCaption(const std::string& name) override;
    void hidePlayerWindow() override { hide(); }
    // Never once the program is ending: the windows that close with it would bring it back.
    void showPlayerWindow() override;
    void startChooserClosing(int milliseconds) override { Timer2->setInterval(milliseconds); }
    QPoint playerWindowPosition() const override { return pos(); }
    bool playerStaysOnTop() const override { return m_state.stayOnTopMode == kStayOnTopOn; }
    void setStatusTimerInterval(int milliseconds) override { Timer1->setInterval(milliseconds); }
    void AwaitLiveFeed() override;
    void PauseLiveFeed() override;
    void updateStationList(std::function<void()> finished = {}) override;
    void endProgram() override;
    MediaPlayer& media() override { return *m_media; }
    FILEIO& fileIO() override { return *m_fileIO; }
    MessageBoxes& messages() override { return m_services.messages; }
    Favourites& favourites() override { return *m_favourites; }
    MyStations& myStations() override { return *m_myStations; }
    LogoSource& logos() override { return *m_logoSource; }
    void ownStationChanged(const StationRecord& station, const std::string& kind,
                           const std::string& name) override;

    // The listener's own ways to a station: an address opened, pasted or dropped; the stations
    // they keep.
    OwnStationActions& ownStations() { return *m_ownStations; }

    // InfoHost
    QPixmap playerPicture() override;

    // The station list update, with its progress window.
    StationsUpdater& updater() { return *m_updater; }

    // The window's menu, opened at `where` (screen coordinates); it deletes itself on closing.
    QMenu* openMenu(QPoint where);
    // The titles heard, their window and the song notifications.
    SongTitles& songTitles() { return *m_songTitles; }
    QLabel* recordMark() const { return m_recordMark; }
    ScrollingCaption& statusScroll() { return *m_statusScroll; }
    QLabel* logoView() const { return m_logoView; }
    StatusIcon* statusIcon() const { return m_statusIcon; }

    // The advert banner while it is loaded; the About or help window while one is open.
    ADVERT1* banner() const;
    QWidget* infoWindow() const;

    // The station chooser while it is loaded.
    Stations* chooser() const;
    void loadChooser();

    // Live feed: switches it off (frame and caption hidden, timers stopped).
    void SwitchLiveFeedOff();
    LiveFeed& liveFeed() { return *m_liveFeed; }
    AdvertRotation& adverts() { return *m_adverts; }

    // Refreshes the station-list date label.
    void getMOD();

    // Where the volume knob stands, in twips; it follows the volume.
    int volumeKnobTopTwips() const;

    // Members
    std::string updateSiteHttpBase;

    // The skin: window background, the outline's source, and the fallback image.
    QImage picture1;
    ClickLabel* Image15 = nullptr;

    VideoWidget* MD = nullptr;

    QLabel* Label1 = nullptr;     // status
    ClickLabel* Label2 = nullptr; // station name
    QLabel* Label3 = nullptr;     // live-feed status
    QLabel* Label4 = nullptr;     // station-list date
    ClickLabel* Label5 = nullptr; // chooser hot area
    ClickLabel* Label7 = nullptr; // default station

    ClickLabel* Image1 = nullptr;  // stop
    ClickLabel* Image2 = nullptr;  // play
    ClickLabel* Image25 = nullptr; // pause
    ClickLabel* Image3 = nullptr;  // minimise
    ClickLabel* Image4 = nullptr;  // shutdown
    ClickLabel* Image5 = nullptr;  // update stations
    ClickLabel* Image6 = nullptr;  // change station
    ClickLabel* Image7 = nullptr;  // default station
    ClickLabel* Image14 = nullptr; // advert
    ClickLabel* Image22 = nullptr; // volume knob
    ClickLabel* Image23 = nullptr; // set default
    ClickLabel* Image29 = nullptr; // stay on top
    ClickLabel* Image32 = nullptr; // live feed button
    ClickLabel* Image35 = nullptr; // live feed frame
    ClickLabel* Image38 = nullptr; // information
    ClickLabel* Image39 = nullptr; // help

    // Picture stores
    QPixmap Image8, Image9, Image13;   // play: unlit, lit, pressed
    QPixmap Image10, Image11, Image12; // stop: pressed, unlit, lit
    QPixmap Image26, Image27, Image28; // pause: lit, pressed, unlit
    QPixmap Image16, Image17;          // default station: pressed, normal
    QPixmap Image24;                   // default advert picture
    QPixmap Image30, Image31;          // stay on top: off, on
    QPixmap Image33, Image34, Image42; // live feed: on, off, placeholder
    QPixmap Image36, Image37;          // information: normal, pressed
    QPixmap Image40, Image41;          // help: normal, pressed

    // Timers (all stopped until code gives them an interval)
    Timer* Timer1 = nullptr;  // status
    Timer* Timer2 = nullptr;  // chooser closing
    Timer* Timer4 = nullptr;  // advert
    Timer* Timer5 = nullptr;  // re-show
    Timer* Timer6 = nullptr;  // banner close
    Timer* Timer7 = nullptr;  // full-screen watch
    Timer* Timer8 = nullptr;  // live-feed start delay
    Timer* Timer9 = nullptr;  // volume drag
    Timer* Timer10 = nullptr; // live-feed countdown
    Timer* Timer11 = nullptr; // no live feed

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The window leaves out the skin's bottom strip.
    static constexpr int kWindowHeightCutTwips = 100;

    void buildControls();
    void nameControls();
    void startKeyboardNavigation(bool backwards);
    void loadPictures();
    void connectControls();
    void fitWindowToSkin();
    void centreOnScreen();
    void minimise();
    void stopEverything();
    void pressPicture(ClickLabel* button, const QPixmap& picture);
    void openInfoWindow(QWidget* window);
    void deleteAdverts();

    // playback
    void connectPlayback();
    void statusTick();
    void showTransportState(PlayState state);
    void showStatusLine(const QString& text);
    void showPressed(Transport button);
    void showSleepTimeLeft();
    static QString sleepTitle(const SleepTimer& timer);
    static QPixmap withTagline(QPixmap picture);
    void fullScreenToggle();
    void fullScreenWatchTick();
    void chooserClosingTick();
    void bannerCloseTick();
    void openStationWebPage();
    void returnToDefaultStation();
    void placeVolumeKnob();

    // chooser, live feed and adverts
    void connectChooser();
    void connectLiveFeed();
    void connectLogo();
    void connectAdverts();
    void defaultStationPressed();
    void defaultStationReleased();

    // the volume drag: about one step every 100 ms while the knob is held
    void volumeDragTick();

    // window behaviour
    void connectWindowBehaviour();
    void applySkinOutline();
    bool startDrag();
    void endDrag();
    void stayOnTopClick();

    ProgramState& m_state;
    const AppFolder& m_folder;
    PlayerWindowServices m_services;
    QPixmap m_background;
    QRegion m_outline; // cut from the skin; what lies outside it is not the window's
    std::vector<ClickLabel*> m_keyboardOrder; // the controls, as Tab reaches them
    Settings* m_settings = nullptr;
    SongTitles* m_songTitles = nullptr;
    DirectoryPlays* m_directoryPlays = nullptr;
    QLabel* m_recordMark = nullptr;
    ScrollingCaption* m_statusScroll = nullptr; // the status line's, owned by it
    void buildRecordMark();
    std::unique_ptr<Favourites> m_favourites;
    std::unique_ptr<MyStations> m_myStations;
    OwnStationActions* m_ownStations = nullptr;
    std::unique_ptr<MediaPlayer> m_media;
    Playback* m_playback = nullptr;
    std::unique_ptr<PlaybackMpris> m_mprisView;
    std::unique_ptr<FILEIO> m_fileIO;
    std::unique_ptr<CurlHttpTransfer> m_http;
    std::unique_ptr<PictureDecoder> m_decoder; // goes after the live feed and the adverts
    std::unique_ptr<LiveFeed> m_liveFeed;
    std::unique_ptr<AdvertRotation> m_adverts;
    QLabel* m_logoView = nullptr;
    std::unique_ptr<LogoSource> m_logoSource; // goes before the decoder
    std::unique_ptr<StationLogo> m_logo;
    Mpris* m_mpris = nullptr;
    StatusIcon* m_statusIcon = nullptr; // with the desktop bus
    bool m_ending = false;              // the program is ending: nothing new starts
    std::string m_startAddress;
    std::string m_startName;
    QPointer<Stations> m_chooser;
    std::unique_ptr<BannerStandIn> m_banner;
    QPointer<QWidget> m_infoWindow;
    StationsUpdater* m_updater = nullptr;
    QElapsedTimer m_lastVolumeStep;
    QPoint m_dragOffset;
    bool m_dragArmed = false; // a left press on the bare surface, not yet released
    bool m_dragging = false;
};

} // namespace lumo
