#pragma once

#include <QPixmap>

class QWidget;

namespace lumo {

// What the advert banner needs of the player window.
class BannerHost {
public:
    virtual ~BannerHost() = default;

    // The picture the player window's advert image shows now.
    virtual QPixmap advertPicture() const = 0;
    virtual bool playerFullScreen() const = 0;
    virtual bool playerMinimised() const = 0;
    // Hides the banner while the pointer is over its band at the top of the screen.
    virtual void bannerCursorCheck(QWidget& banner) = 0;
    // The player window's banner-close timer: it shows the player and unloads the banner.
    virtual void startBannerClose(int milliseconds) = 0;
};

} // namespace lumo
