#include "app/LiveFeed.h"

#include "net/HttpTransfer.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureDecoder.h"
#include "platform/Timer.h"

#include <filesystem>

namespace lumo {

namespace {

constexpr const char* kNoFeed = "NONE";
constexpr const char* kPictureFile = "\\DJCAM.jpg";

} // namespace

LiveFeed::LiveFeed(ProgramState& state, const AppFolder& folder, HttpTransfer& http,
                   PictureDecoder& decoder, MessageBoxes& messages, LiveFeedView view)
    : m_state(state), m_folder(folder), m_http(http), m_decoder(decoder), m_messages(messages),
      m_view(std::move(view)) {
    m_view.startDelay.onTick([this] { startDelayTick(); });
    m_view.countdown.onTick([this] { countdownTick(); });
    m_view.noFeed.onTick([this] { noFeedTick(); });
}

// The refresh under way has lost its reason: its connection is closed, its result dropped.
void LiveFeed::callOff() {
    m_refresh.reset();
}

void LiveFeed::AwaitLiveFeed() {
    callOff(); // another station: the old one's picture is not wanted
    if (m_state.CurrentStation.liveFeedUrl != kNoFeed) {
        m_view.caption.setText(tr("Waiting for Live Feed ...."));
        m_view.startDelay.setInterval(5000);
    } else {
        m_view.caption.setText(tr("No Live Feed Found ...."));
        m_view.noFeed.setInterval(5000);
    }
}

void LiveFeed::PauseLiveFeed() {
    callOff();
    m_view.startDelay.setInterval(0);
    m_view.countdown.setInterval(0);
    m_view.frame.setPixmap(m_view.placeholder);
    m_state.liveFeedCountdown = 0;
}

void LiveFeed::SwitchLiveFeedOff() {
    callOff();
    m_view.startDelay.setInterval(0);
    m_state.liveFeedOn = 0;
    m_view.button.setPixmap(m_view.offPicture);
    m_view.frame.setPixmap(m_view.placeholder);
    m_view.frame.hide();
    m_view.caption.hide();
    m_view.caption.clear();
    m_view.countdown.setInterval(0);
}

void LiveFeed::buttonClicked() {
    if (m_state.CurrentStation.kind == "TV") {
        m_view.hideWindow();
        m_messages.show(QT_TRANSLATE_NOOP("lumo::Messages", "No Djcam Available on TV ?"),
                        MessageBoxes::Icon::Stop, [show = m_view.showWindow] { show(); });
        return;
    }
    m_state.liveFeedCountdown = 0;
    if (m_state.liveFeedOn != 0) {
        SwitchLiveFeedOff();
        return;
    }
    m_state.liveFeedOn = 1;
    m_view.button.setPixmap(m_view.onPicture);
    m_view.frame.setPixmap(m_view.placeholder);
    m_view.frame.show();
    m_view.frame.raise();
    m_view.caption.show();
    m_view.caption.raise();
    AwaitLiveFeed();
}

void LiveFeed::waitForNextStation() {
    if (m_state.liveFeedOn == 1) {
        PauseLiveFeed();
        m_view.caption.setText(tr("Waiting for Live Feed ...."));
        m_view.startDelay.setInterval(5000);
    }
}

void LiveFeed::startDelayTick() {
    if (m_view.startDelay.interval() == 0) {
        return;
    }
    m_view.startDelay.setInterval(0);
    if (m_state.CurrentStation.liveFeedUrl == kNoFeed) {
        m_view.caption.setText(tr("Live Feed Failed ... "));
        return;
    }
    RefreshLiveFeed();
}

// One fetch cycle: fetch, write the picture file, decode, show. The picture file holds exactly
// the bytes received, written whole or not at all. An empty body, or one that is no picture,
// counts as a failed fetch, so the feed never stands still and never shows a stale picture as
// new.
void LiveFeed::RefreshLiveFeed() {
    if (m_state.liveFeedCountdown < 1) {
        m_state.liveFeedCountdown = 60;
    }
    std::error_code ec;
    std::filesystem::remove(m_folder.resolve(kPictureFile), ec);
    m_refresh = refresh(m_state.CurrentStation.liveFeedUrl);
}

// The picture file is written, then decoded, by the decoder's worker: both wait on something
// (the disk, the picture's size) that the window does not wait for.
Task LiveFeed::refresh(std::string address) {
    const auto body = co_await step<std::optional<std::string>>(
        [&](auto done) { return m_http.OpenURL(address, done); });
    if (!body || body->empty()) {
        fetchFailed();
        co_return;
    }
    const QSize shown = m_view.frame.size() * m_view.frame.devicePixelRatioF();
    decoded(co_await step<std::optional<QImage>>([&](auto done) {
        return m_decoder.decode(QByteArray::fromStdString(*body), shown, done,
                                m_folder.resolve(kPictureFile));
    }));
}

void LiveFeed::decoded(std::optional<QImage> picture) {
    if (!picture) {
        fetchFailed();
        return;
    }
    QPixmap shown = QPixmap::fromImage(*picture);
    shown.setDevicePixelRatio(m_view.frame.devicePixelRatioF());
    m_view.frame.setPixmap(shown);
    m_view.caption.setText(tr("Live Feed Updated"));
    m_view.countdown.setInterval(1000);
}

// The picture file goes too: after a failed fetch there is none.
void LiveFeed::fetchFailed() {
    std::error_code ec;
    std::filesystem::remove(m_folder.resolve(kPictureFile), ec);
    m_state.liveFeedCountdown = 10;
    m_view.frame.setPixmap(m_view.placeholder);
    m_view.caption.setText(tr("Live Feed Failed ... "));
    m_view.countdown.setInterval(1000);
}

void LiveFeed::countdownTick() {
    if (m_view.countdown.interval() == 0) {
        return;
    }
    --m_state.liveFeedCountdown;
    if (m_state.liveFeedCountdown > 0) {
        m_view.caption.setText(tr("Next Update : %1 Secs").arg(m_state.liveFeedCountdown));
        return;
    }
    m_view.caption.setText(tr("Waiting for Live Feed"));
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
