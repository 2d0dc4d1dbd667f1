// The live feed's waiting, pausing and switching off.
#include "app/PlayerWindow.h"
#include "platform/ClickLabel.h"
#include "platform/EventLoop.h"

namespace lumo {

namespace {
constexpr const char* kNoFeed = "NONE";
} // namespace

void PlayerWindow::connectLiveFeed() {
    Timer8->onTick([this] {
        if (Timer8->interval() == 0) {
            return;
        }
        Timer8->setInterval(0);
        if (m_state.CurrentStation.liveFeedUrl == kNoFeed) {
            Label3->setText(QStringLiteral("Live Feed Failed ... "));
            return;
        }
        // The picture is fetched here once the live-feed fetch cycle exists.
    });
    Timer11->onTick([this] {
        if (Timer11->interval() == 0) {
            return;
        }
        Timer11->setInterval(0);
        SwitchLiveFeedOff();
    });
}

void PlayerWindow::AwaitLiveFeed() {
    if (m_state.CurrentStation.liveFeedUrl != kNoFeed) {
        Label3->setText(QStringLiteral("Waiting for Live Feed ...."));
        Timer8->setInterval(5000);
    } else {
        Label3->setText(QStringLiteral("No Live Feed Found ...."));
        Timer11->setInterval(5000);
    }
}

void PlayerWindow::PauseLiveFeed() {
    Timer8->setInterval(0);
    Timer10->setInterval(0);
    Image35->setPixmap(Image42);
    m_state.liveFeedCountdown = 0;
}

void PlayerWindow::SwitchLiveFeedOff() {
    Timer8->setInterval(0);
    yieldToEventLoop();
    m_state.liveFeedOn = 0;
    Image32->setPixmap(Image34);
    Image35->setPixmap(Image42);
    yieldToEventLoop();
    Image35->hide();
    Label3->hide();
    Label3->clear();
    Timer10->setInterval(0);
}

} // namespace lumo
