#include "banner/Advert1.h"

#include "banner/BannerHost.h"
#include "platform/OnTop.h"
#include "platform/Timer.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace lumo {

namespace {

// 4005 x 855 twips, and the picture 4005 x 870 twips, at 15 twips a pixel.
constexpr QSize kClientArea(267, 57);
constexpr QSize kPicture(267, 58);
constexpr int kLevel = 165;

} // namespace

bool TranslucentForm(QWidget& window, int level) {
    window.setWindowOpacity(level / 255.0);
    return window.windowOpacity() < 1.0;
}

ADVERT1::ADVERT1(BannerHost& host)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::Tool), m_host(host) {
    setWindowTitle(tr("Advert"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kClientArea);
    Image14 = new QLabel(this);
    Image14->setGeometry(QRect(QPoint(0, 0), kPicture));
    Image14->setScaledContents(true);
    Image14->setToolTip(tr("Advert Banner"));
    Image14->setAccessibleName(tr("Advert"));
    Timer1 = new Timer(this);
    Timer1->onTick([this] { tick(); });
}

void ADVERT1::load() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen != nullptr ? screen->geometry().width() : 0;
    move(screenWidth / 2 - width() / 2, 0);
    Image14->setPixmap(m_host.advertPicture());
    ONTOP::SetOnTop(*this, ONTOP::kTrue);
    TranslucentForm(*this, kLevel);
    Timer1->setInterval(100);
}

void ADVERT1::tick() {
    if (Timer1->interval() == 0) {
        return;
    }
    Image14->setPixmap(m_host.advertPicture());
    if (m_host.playerFullScreen()) {
        ONTOP::SetOnTop(*this, ONTOP::kTrue);
        return;
    }
    m_host.bannerCursorCheck(*this);
    if (m_host.playerMinimised()) {
        return;
    }
    Timer1->setInterval(0);
    m_host.startBannerClose(100);
}

} // namespace lumo
