#pragma once

#include "media/MediaPlayer.h"
#include "media/StreamTap.h"
#include "media/VlcInstance.h"
#include "platform/Pending.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <vlc/vlc.h>

namespace lumo {

class NetEngine;
class VideoWidget;

struct VlcMediaDeleter {
    void operator()(libvlc_media_t* p) const { libvlc_media_release(p); }
};
using VlcMedia = std::unique_ptr<libvlc_media_t, VlcMediaDeleter>;

// The media player over libVLC. libVLC reports from its own threads; those callbacks only
// post to this object's thread, where every libVLC call is made. Each new address (or playlist
// entry) starts a new generation, and reports of an older generation are dropped. The probe of
// an address that ended without playing (is it an ASX playlist?) is a transfer on the network
// engine: the player goes on when its answer arrives.
class VlcMediaPlayer final : public QObject, public MediaPlayer {
    Q_OBJECT
public:
    struct Options {
        std::vector<std::string> vlcArguments;
        // An open that has not reached playing by then is reported as failed (Ready).
        int openTimeoutMilliseconds = 20000;
        // Bounded probe of an address that ended without playing, to spot ASX playlists.
        int playlistProbeMilliseconds = 4000;
        // A stream whose clock has not moved for this long while playing is reported as ended.
        int stallTimeoutMilliseconds = 10000;
        // libVLC's instance, already under way (its own arguments stand, not vlcArguments);
        // without it the player makes its own.
        std::shared_ptr<VlcCoreStart> early;
        // What of a live stream the program reads is kept to pause and move in (no folder:
        // nothing, and pause lets go of the stream).
        TimeshiftLimits timeshift;
    };

    // How much of a network stream libVLC reads ahead and keeps, and how much it asks for at a
    // time. Its defaults (16 MiB for both) fill up on a live stream and are kept: ten minutes
    // of 320 kbps added 15 MB.
    static constexpr int kNetworkReadAheadKiB = 512;
    static constexpr int kNetworkReadBytes = 64 * 1024;

    // `video` may be null (no picture); when given, and the display is X11, video is drawn into it.
    VlcMediaPlayer(VideoWidget* video, NetEngine& network, Options options);
    ~VlcMediaPlayer() override;

    bool isValid() const { return m_player != nullptr; }

    void setURL(const std::string& address) override;
    std::string URL() const override { return m_url; }
    void play() override;
    void stop() override;
    void pause() override;
    void setVolume(int volume) override;
    int volume() const override { return m_volume; }
    void setMute(bool mute) override;
    bool mute() const override { return m_mute; }
    PlayState playState() const override { return m_state; }
    double duration() const override;
    double position() const override;
    std::string durationString() const override { return formatDuration(duration()); }
    std::string status() const override;
    std::string nowPlaying() const override { return m_media.nowPlaying; }
    bool fullScreen() const override;
    void setFullScreen(bool on) override;
    void setStretchToFit(bool on) override;
    bool stretchToFit() const override { return m_stretch; }
    StreamTap* streamTap() const override { return m_tap.get(); }
    bool canMove() const override;
    std::optional<std::uint64_t> heardPlace() const override;
    double behindLive() const override;
    double keptSeconds() const override;
    void moveBy(double seconds) override;
    void moveToLive() override;

private:
    // What one media (an address, a playlist entry, a reconnection) has shown of itself;
    // starting another resets it whole.
    struct PerMedia {
        // What one connection to it has said; a halt resets it.
        struct Run {
            bool libvlcPlaying = false; // libVLC's word, before buffers have filled
            bool buffered = false;
            bool ended = false;            // reached its end (or failed) after playing
            bool pausedByStopping = false; // paused a stream that cannot pause: play reconnects
        } run;
        std::string nowPlaying;
        std::string name; // the media's title before it played: its address or list entry
        bool seekable = false;
        bool videoElsewhere = false;  // the picture is in libVLC's own window
        bool clockPastLength = false; // a live window, not a programme
        long long lengthMs = 0;
        long long positionMs = 0;
        std::int64_t demuxedBytes = 0;
    };
    // What one address has led to so far; a new address resets it.
    struct PerAddress {
        bool everPlayed = false;
        bool probed = false;
        int hops = 0;
    };

    // libVLC's events (VlcEvents.cpp).
    static void onPlayerEvent(const libvlc_event_t* event, void* self);
    static void onMediaEvent(const libvlc_event_t* event, void* self);
    void post(int type, float value);
    void handle(std::uint64_t generation, int type, float value);
    void attachPlayerEvents();
    void detachPlayerEvents();
    void attachMediaEvents();
    void detachMediaEvents();

    // Opening (VlcOpening.cpp): a live http(s) stream is read by the program itself (see
    // StreamTap), any other media by libVLC.
    void openMedia(VlcMedia media);
    void tapAnswered(StreamTap::Verdict verdict, VlcMedia source);
    void startMedia(VlcMedia media);
    // The same, keeping `keep` (the tap the media reads from) through the halt of what played,
    // libVLC reading it from `place`.
    void startMedia(VlcMedia media, StreamTap* keep, std::uint64_t place = 0);
    VlcMedia fedMedia(const StreamTap& tap);
    // Kept live streams (VlcTimeshift.cpp): the place in the stream heard now, and libVLC
    // started over at another.
    bool kept() const;
    std::uint64_t placeHeard() const;
    void restartAt(std::uint64_t place);
    void haltPlayback();
    void openFailed(const std::string& why);

    // Playlists (VlcPlaylists.cpp): what an address that ended without playing leads to: its
    // playlist's entries, or an ASX playlist found by a probe of its first bytes; else it failed.
    void endedWithoutPlaying(const std::string& why);
    bool playNextCandidate();
    void queueSubItems();
    void queueAsxReferences(const std::string& head);

    void checkForStall();
    void enter(PlayState state);
    bool clockMoved();
    std::string streamTitle() const;
    // The station's title may have changed: it is read again, and shown while playing.
    void takeTitle();
    // What the status line says while playing: the title, or "Playing".
    std::string playingStatus() const;
    void confirmPlaying();
    void applyAudioSettings();
    void applyStretch();

    QPointer<VideoWidget> m_video;
    NetEngine& m_network;
    Options m_options;
    std::unique_ptr<libvlc_instance_t, VlcInstanceDeleter> m_instance;
    std::unique_ptr<libvlc_media_player_t, VlcPlayerDeleter> m_player;
    VlcMedia m_current;
    std::deque<VlcMedia> m_candidates;
    std::atomic<std::uint64_t> m_generation{0};
    std::atomic<bool> m_clockWatched{true}; // libVLC's clock reports are wanted (not playing)
    QTimer m_watchdog;
    QTimer m_stallCheck;
    QElapsedTimer m_clockAdvanced;
    QElapsedTimer m_dataArrived;

    std::string m_url;
    std::string m_status;
    PlayState m_state = PlayState::Undefined;
    PerMedia m_media;
    PerAddress m_address;
    int m_volume = 50;
    bool m_mute = false;
    bool m_stretch = true;
    bool m_drawsIntoWidget = false;       // libVLC draws into our video widget's X window
    PendingPtr m_probe;                   // the probe of the first bytes, while it runs
    std::unique_ptr<StreamTap> m_opening; // a stream's first answer, awaited
    std::unique_ptr<StreamTap> m_tap;     // the stream being played, read by the program
    VlcMedia m_tapSource;                 // its address, to open it again on play
    std::uint64_t m_startPlace = 0;       // where in the tap's stream libVLC began reading
    bool m_shifted = false;               // paused or moved: what is heard lies behind live
};

} // namespace lumo
