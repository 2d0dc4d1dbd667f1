#pragma once

#include "banner/BannerHost.h"

#include <QPointer>

class QLabel;
class QWidget;

namespace lumo {

class ADVERT1;
class MediaPlayer;
class ScreenCursor;
class Timer;
struct ProgramState;

// The advert banner that stands in for the minimised player window, and what it needs of the
// player: the advert shown, whether the player is minimised or in full screen, the pointer,
// and the player's banner-close timer.
class BannerStandIn : public BannerHost {
public:
    struct Player {
        QWidget& window;
        const QLabel& advert;
        const MediaPlayer& media;
        ProgramState& state;
        const ScreenCursor& cursor;
        Timer& closeTimer;
    };
    explicit BannerStandIn(Player player);
    ~BannerStandIn() override;
    BannerStandIn(const BannerStandIn&) = delete;
    BannerStandIn& operator=(const BannerStandIn&) = delete;

    void open();
    void close();
    // The banner while it is loaded.
    ADVERT1* banner() const;

    // BannerHost
    QPixmap advertPicture() const override;
    bool playerFullScreen() const override;
    bool playerMinimised() const override;
    void bannerCursorCheck(QWidget& banner) override;
    void startBannerClose(int milliseconds) override;

private:
    Player m_player;
    QPointer<ADVERT1> m_banner;
};

} // namespace lumo
