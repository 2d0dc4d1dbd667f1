#include "app/BannerStandIn.h"

#include "app/MouseMove1.h"
#include "banner/Advert1.h"
#include "media/MediaPlayer.h"
#include "platform/Timer.h"

#include <QLabel>

namespace lumo {

BannerStandIn::BannerStandIn(Player player) : m_player(player) {}

BannerStandIn::~BannerStandIn() {
    delete m_banner; // a top-level window of its own while loaded
}

void BannerStandIn::open() {
    if (!m_banner) {
        m_banner = new ADVERT1(*this);
    }
    m_banner->load();
}

void BannerStandIn::close() {
    if (m_banner) {
        m_banner->Timer1->setInterval(0);
        m_banner->close();
    }
}

ADVERT1* BannerStandIn::banner() const {
    return m_banner;
}

QPixmap BannerStandIn::advertPicture() const {
    return m_player.advert.pixmap();
}

bool BannerStandIn::playerFullScreen() const {
    return m_player.media.fullScreen();
}

bool BannerStandIn::playerMinimised() const {
    return m_player.window.isMinimized();
}

void BannerStandIn::bannerCursorCheck(QWidget& banner) {
    MOUSEMOVE1::BannerCursorCheck(m_player.state, m_player.cursor, banner);
}

void BannerStandIn::startBannerClose(int milliseconds) {
    m_player.closeTimer.setInterval(milliseconds);
}

} // namespace lumo
