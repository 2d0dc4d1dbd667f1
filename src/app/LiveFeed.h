#pragma once

#include "platform/AppFolder.h"
#include "platform/Task.h"
#include "state/ProgramState.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <functional>
#include <optional>
#include <string>

class QLabel;

namespace lumo {

class ClickLabel;
class HttpTransfer;
class MessageBoxes;
class PictureDecoder;
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
// video, fetched again every 60 seconds with a countdown under it. A refresh runs in steps that
// follow one another as their results arrive (fetch, write the file, decode, show); whatever
// ends its reason (the feed off or paused, another station) calls the step under way off.
class LiveFeed {
    Q_DECLARE_TR_FUNCTIONS(lumo::LiveFeed)

public:
    LiveFeed(ProgramState& state, const AppFolder& folder, HttpTransfer& http,
             PictureDecoder& decoder, MessageBoxes& messages, LiveFeedView view);

    void AwaitLiveFeed();
    void PauseLiveFeed();
    void SwitchLiveFeedOff();
    void RefreshLiveFeed();

    // The live-feed button.
    void buttonClicked();
    // The default-station button's press: a feed that is on waits for the coming station.
    void waitForNextStation();
    // The program is ending: the refresh under way is cancelled.
    void abandon() { callOff(); }
    // A refresh is under way (its fetch or its decode).
    bool refreshing() const { return m_refresh.running(); }

private:
    void startDelayTick();
    void countdownTick();
    void noFeedTick();
    Task refresh(std::string address);
    void decoded(std::optional<QImage> picture);
    void fetchFailed();
    void callOff();

    ProgramState& m_state;
    const AppFolder& m_folder;
    HttpTransfer& m_http;
    PictureDecoder& m_decoder;
    MessageBoxes& m_messages;
    LiveFeedView m_view;
    Task m_refresh; // fetch, write, decode, show
};

} // namespace lumo
