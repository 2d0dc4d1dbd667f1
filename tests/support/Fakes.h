#pragma once

#include "catalogue/ChooserView.h"
#include "catalogue/PlayerWindowLink.h"
#include "media/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenCursor.h"
#include "platform/UrlOpener.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lumo::test {

// A media player that records what it was asked and reports what the test sets.
class FakeMediaPlayer : public MediaPlayer {
public:
    void setURL(const std::string& address) override {
        url = address;
        urlsGiven.push_back(address);
    }
    std::string URL() const override { return url; }
    void play() override { calls.push_back("play"); }
    void stop() override { calls.push_back("stop"); }
    void pause() override { calls.push_back("pause"); }
    void setVolume(int v) override { volumeValue = v; }
    int volume() const override { return volumeValue; }
    void setMute(bool m) override { muted = m; }
    bool mute() const override { return muted; }
    PlayState playState() const override { return state; }
    double duration() const override { return length; }
    std::string durationString() const override { return formatDuration(length); }
    std::string status() const override { return statusText; }
    std::string nowPlaying() const override { return title; }
    bool fullScreen() const override { return full; }
    void setFullScreen(bool on) override { full = on; }
    void setStretchToFit(bool on) override { stretch = on; }
    bool stretchToFit() const override { return stretch; }
    bool canMove() const override { return movable; }
    double behindLive() const override { return behind; }
    double keptSeconds() const override { return kept; }
    void moveBy(double seconds) override { moves.push_back(seconds); }
    void moveToLive() override { calls.push_back("live"); }

    void click() const { notifyClick(); }
    void doubleClick() const { notifyDoubleClick(); }

    std::string url;
    std::vector<std::string> urlsGiven;
    std::vector<std::string> calls;
    int volumeValue = 50;
    bool muted = false;
    PlayState state = PlayState::Undefined;
    double length = 0;
    std::string statusText;
    std::string title;
    bool full = false;
    bool stretch = false;
    bool movable = false;
    double behind = 0;
    double kept = 0;
    std::vector<double> moves;
};

// Message boxes that the user closes at once, unless the test keeps them up (then close()
// closes the oldest).
class RecordingMessageBoxes : public MessageBoxes {
public:
    void show(const std::string& text, Icon icon, std::function<void()> closed) override {
        shown.emplace_back(text, icon);
        if (!keepOpen) {
            if (closed) {
                closed();
            }
            return;
        }
        open.push_back(std::move(closed));
    }
    void close() {
        auto closed = std::move(open.front());
        open.erase(open.begin());
        if (closed) {
            closed();
        }
    }
    std::vector<std::pair<std::string, Icon>> shown;
    bool keepOpen = false;
    std::vector<std::function<void()>> open;
};

class RecordingUrlOpener : public UrlOpener {
public:
    void open(const std::string& address) override { opened.push_back(address); }
    std::vector<std::string> opened;
};

class FakeScreenCursor : public ScreenCursor {
public:
    QPoint position() const override { return at; }
    QPoint at;
};

class RecordingWindowLink : public PlayerWindowLink {
public:
    void setDefaultStationCaption(const std::string& name) override { caption = name; }
    void hidePlayerWindow() override { events.emplace_back("hide"); }
    void showPlayerWindow() override { events.emplace_back("show"); }
    void startChooserClosing(int milliseconds) override { chooserClosing = milliseconds; }
    std::string caption;
    int chooserClosing = 0;
    std::vector<std::string> events;
};

// A station chooser that keeps what the station list operations put in it.
class RecordingChooser : public ChooserView {
public:
    void addGenre(const std::string& genre) override { genres.push_back(genre); }
    std::string genreText() const override { return text; }
    void setGenreText(const std::string& t) override { text = t; }
    void clearStations() override { stations.clear(); }
    void addStation(const std::string& name) override { stations.push_back(name); }
    void showChooser() override { shown = true; }

    std::vector<std::string> genres;
    std::vector<std::string> stations;
    std::string text = "<placeholder>";
    bool shown = false;
};

} // namespace lumo::test
