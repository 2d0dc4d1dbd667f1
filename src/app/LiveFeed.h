#pragma once

#include "platform/AppFolder.h"
#include "state/ProgramState.h"

#include <QPixmap>
#include <cstdint>
#include <functional>

class QLabel;

namespace lumo {

class ClickLabel;
class HttpTransfer;
class MessageBoxes;
class Timer;

// What the live feed works with in the player window.
struct LiveFeedView {
    ClickLabel& button; // its picture says whether the feed is on
    ClickLabel& frame;  // over the video: the fetched picture or the placeholder
    QLabel& caption;    // one line under the frame
    const QPixmap& onPicture;
    const QPixmap& offPicture;
    const QPixmap& placeholder;
    Timer& startDelay; // 5000 ms, one-shot
    Timer& countdown;  // 1000 ms
    Timer& noFeed;     // 5000 ms, one-shot
    std::function<void()> hideWindow;
    std::function<void()> showWindow;
};

// The station's studio-camera still: fetched into "\DJCAM.jpg", shown in the frame over the
// video, fetched again every 60 seconds with a countdown under it.
class LiveFeed {
public:
    LiveFeed(ProgramState& state, const AppFolder& folder, HttpTransfer& http,
             MessageBoxes& messages, LiveFeedView view);

    void AwaitLiveFeed();
    void PauseLiveFeed();
    void SwitchLiveFeedOff();
    void RefreshLiveFeed();

    // The live-feed button.
    void buttonClicked();
    // The default-station button's press: a feed that is on waits for the coming station.
    void waitForNextStation();
    // The program is ending: a fetch under way is dropped when it returns.
    void abandon() { ++m_generation; }

private:
    void startDelayTick();
    void countdownTick();
    void noFeedTick();
    void fetchFailed();

    ProgramState& m_state;
    const AppFolder& m_folder;
    HttpTransfer& m_http;
    MessageBoxes& m_messages;
    LiveFeedView m_view;
    // Counts the user's changes (on, off, pause, another station): a refresh whose fetch
    // returns into a later generation is dropped.
    std::uint64_t m_generation = 0;
};

} // namespace lumo
