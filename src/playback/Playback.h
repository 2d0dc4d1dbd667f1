#pragma once

#include "media/PlayState.h"
#include "platform/Pending.h"
#include "playback/PlaybackRules.h"
#include "playback/SleepTimer.h"
#include "playback/StreamKeeper.h"
#include "playback/VolumeSteps.h"
#include "record/Recorder.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace lumo {

class MediaPlayer;
class Recorder;
struct ProgramState;

// The transport buttons, as the window shows them pressed.
enum class Transport { Play, Pause, Stop };

// What playback is given from outside.
struct PlaybackServices {
    // Probes whether a station answers again, for the reconnect.
    StreamKeeper::Check probe;
    // The time the sleep timer counts by (empty: the steady clock).
    SleepTimer::Clock clock{};
    // Where recordings go, and the free space on a disk (empty: asked of the system).
    std::filesystem::path recordings{};
    std::function<std::int64_t(const std::filesystem::path&)> freeSpace{};
};

// The player's playback: the transport, the volume, the status line's decision on every tick,
// bringing back a live stream that dropped, the sleep timer and recording. The window's
// buttons and keys, the desktop bus and the chooser all call it; the window shows what it
// says through its signals and the status tick's answer.
class Playback : public QObject, public VolumeSteps, public SleepTimerHost {
    Q_OBJECT
public:
    Playback(ProgramState& state, MediaPlayer& media, PlaybackServices services,
             QObject* parent = nullptr);
    ~Playback() override;

    // The transport. Play and stop end the reconnect's tries; play or pause toggles.
    void play();
    void pause();
    void stop();
    void playOrPause();
    // A live stream kept on the disk: back or forward by seconds within it, and back to live.
    static constexpr double kStepSeconds = 30.0;
    bool canMove() const;
    void moveBy(double seconds);
    void moveToLive();
    // A station given from outside (the command line, a later start, the desktop bus, an
    // address opened or dropped): played at once, named `name` or else by its address, through
    // the one allow-list. False when refused, or once released.
    bool openAddress(const std::string& address, const std::string& name = {});
    // An address the desktop asks to open: http and https only.
    bool openUri(const std::string& address);

    // The volume, 0 to 100 in steps of 10. One step each; a level is reached step by step, all
    // at once, so a request that comes after another always has the last word.
    int volume() const;
    void UPVOL() override;
    void DOWNVOL() override;
    void setVolume(int level);

    // What one status tick shows: the status line's text (nothing: it stays), and the state
    // whose transport pictures show (nothing: the player has no state yet).
    struct Tick {
        std::optional<QString> statusLine;
        std::optional<PlayState> shown;
    };
    Tick statusTick();
    // Shows `note` on the status line now and for the next few ticks.
    void noteOnStatusLine(const QString& note);
    // The count of ticks that alternates a clip's status and length (the start-up sets it).
    playback::StatusCycle& statusCycle() { return m_cycle; }

    // Recording what is heard: possible while a live stream the program reads plays.
    bool canRecord() const;
    bool recording() const;
    void setRecording(bool on);
    Recorder& recorder() { return *m_recorder; }

    SleepTimer& sleepTimer() { return *m_sleep; }
    StreamKeeper& streamKeeper() { return *m_keeper; }
    MediaPlayer& media() { return m_media; }
    const MediaPlayer& media() const { return m_media; }
    // The station's name as the window shows it.
    const std::string& stationName() const;

    // The program is ending: every wait is cancelled and nothing new starts.
    void release();

signals:
    void transportPressed(Transport button);
    void volumeChanged(int level);
    // The status line shows this at once (a note).
    void statusLineNow(const QString& text);
    void recordingChanged(bool on);
    void sleepTimerChanged();
    // A station was given from outside and starts playing.
    void stationOpened();
    // What plays began to play: once per address, and again after a stop.
    void startedPlaying(const std::string& address);

private:
    // SleepTimerHost
    int sleepVolume() const override { return volume(); }
    void setSleepVolume(int level) override { setVolume(level); }
    void sleepStop() override { stop(); }
    void sleepTimeLeftChanged() override { emit sleepTimerChanged(); }

    void nameOpenedStation();
    void startRecording(StreamTap& tap, const Recorder::Preroll& preroll);
    std::optional<QString> atReady();

    ProgramState& m_state;
    MediaPlayer& m_media;
    StreamKeeper* m_keeper;
    SleepTimer* m_sleep;
    Recorder* m_recorder;
    PendingPtr m_songRead; // the song heard, read for a recording to begin with it
    QTimer m_tryOnceMore;  // the second before a station loaded from the chooser is tried again
    std::string m_tryOnceMoreUrl;
    playback::StatusCycle m_cycle;
    QString m_note; // shown on the status line for a few ticks
    int m_noteTicks = 0;
    bool m_released = false;
    std::string m_playing; // the address last told as playing
};

} // namespace lumo
