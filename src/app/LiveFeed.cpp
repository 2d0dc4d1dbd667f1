#include "app/LiveFeed.h"

#include "platform/ClickLabel.h"
#include "platform/EventLoop.h"
#include "platform/HttpTransfer.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"

#include <filesystem>

namespace lumo {

namespace {

constexpr const char* kNoFeed = "NONE";
constexpr const char* kPictureFile = "\\DJCAM.jpg";

} // namespace

LiveFeed::LiveFeed(ProgramState& state, const AppFolder& folder, HttpTransfer& http,
                   MessageBoxes& messages, LiveFeedView view)
    : m_state(state), m_folder(folder), m_http(http), m_messages(messages),
      m_view(std::move(view)) {
    m_view.startDelay.onTick([this] { startDelayTick(); });
    m_view.countdown.onTick([this] { countdownTick(); });
    m_view.noFeed.onTick([this] { noFeedTick(); });
}

void LiveFeed::AwaitLiveFeed() {
    ++m_generation;
    if (m_state.CurrentStation.liveFeedUrl != kNoFeed) {
        m_view.caption.setText(QStringLiteral("Waiting for Live Feed ...."));
        m_view.startDelay.setInterval(5000);
    } else {
        m_view.caption.setText(QStringLiteral("No Live Feed Found ...."));
        m_view.noFeed.setInterval(5000);
    }
}

void LiveFeed::PauseLiveFeed() {
    ++m_generation;
    m_view.startDelay.setInterval(0);
    m_view.countdown.setInterval(0);
    m_view.frame.setPixmap(m_view.placeholder);
    m_state.liveFeedCountdown = 0;
}

void LiveFeed::SwitchLiveFeedOff() {
    ++m_generation;
    m_view.startDelay.setInterval(0);
    yieldToEventLoop();
    m_state.liveFeedOn = 0;
    m_view.button.setPixmap(m_view.offPicture);
    m_view.frame.setPixmap(m_view.placeholder);
    yieldToEventLoop();
    m_view.frame.hide();
    m_view.caption.hide();
    m_view.caption.clear();
    m_view.countdown.setInterval(0);
}

void LiveFeed::buttonClicked() {
    if (m_state.CurrentStation.kind == "TV") {
        m_view.hideWindow();
        m_messages.show("No Djcam Available on TV ?", MessageBoxes::Icon::Stop);
        m_view.showWindow();
        return;
    }
    m_state.liveFeedCountdown = 0;
    if (m_state.liveFeedOn != 0) {
        SwitchLiveFeedOff();
        return;
    }
    yieldToEventLoop();
    m_state.liveFeedOn = 1;
    m_view.button.setPixmap(m_view.onPicture);
    m_view.frame.setPixmap(m_view.placeholder);
    yieldToEventLoop();
    m_view.frame.show();
    m_view.frame.raise();
    m_view.caption.show();
    m_view.caption.raise();
    AwaitLiveFeed();
}

void LiveFeed::waitForNextStation() {
    if (m_state.liveFeedOn == 1) {
        PauseLiveFeed();
        m_view.caption.setText(QStringLiteral("Waiting for Live Feed ...."));
        m_view.startDelay.setInterval(5000);
    }
}

void LiveFeed::startDelayTick() {
    if (m_view.startDelay.interval() == 0) {
        return;
    }
    m_view.startDelay.setInterval(0);
    if (m_state.CurrentStation.liveFeedUrl == kNoFeed) {
        m_view.caption.setText(QStringLiteral("Live Feed Failed ... "));
        return;
    }
    RefreshLiveFeed();
}

// One fetch cycle. The picture file holds exactly the bytes received, written whole or not at
// all. An empty body counts as a failed fetch, so the feed never stands still.
void LiveFeed::RefreshLiveFeed() {
    if (m_state.liveFeedCountdown < 1) {
        m_state.liveFeedCountdown = 60;
    }
    const std::filesystem::path file = m_folder.resolve(kPictureFile);
    std::error_code ec;
    std::filesystem::remove(file, ec);
    const std::uint64_t generation = m_generation;
    const auto body = m_http.OpenURL(m_state.CurrentStation.liveFeedUrl);
    if (generation != m_generation) {
        return; // switched off, paused or another station while it ran: not ours any more
    }
    if (!body || body->empty() || !replaceFileAtomically(file, *body)) {
        fetchFailed();
        return;
    }
    QPixmap picture;
    if (picture.load(QString::fromStdString(file.string()))) {
        m_view.frame.setPixmap(picture);
    }
    m_view.caption.setText(QStringLiteral("Live Feed Updated"));
    m_view.countdown.setInterval(1000);
}

void LiveFeed::fetchFailed() {
    m_state.liveFeedCountdown = 10;
    m_view.frame.setPixmap(m_view.placeholder);
    m_view.caption.setText(QStringLiteral("Live Feed Failed ... "));
    m_view.countdown.setInterval(1000);
}

void LiveFeed::countdownTick() {
    if (m_view.countdown.interval() == 0) {
        return;
    }
    --m_state.liveFeedCountdown;
    if (m_state.liveFeedCountdown > 0) {
        m_view.caption.setText(
            QStringLiteral("Next Update : %1 Secs").arg(m_state.liveFeedCountdown));
        return;
    }
    m_view.caption.setText(QStringLiteral("Waiting for Live Feed"));
    m_view.countdown.setInterval(0);
    RefreshLiveFeed();
}

void LiveFeed::noFeedTick() {
    if (m_view.noFeed.interval() == 0) {
        return;
    }
    m_view.noFeed.setInterval(0);
    SwitchLiveFeedOff();
}

} // namespace lumo
