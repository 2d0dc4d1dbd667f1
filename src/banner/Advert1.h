#pragma once

#include <QWidget>

class QLabel;

namespace lumo {

class BannerHost;
class Timer;

// Sets a window's constant alpha (0 transparent, 255 opaque); true when the window system
// took it. Where it does not, the window simply stays opaque.
bool TranslucentForm(QWidget& window, int level);

// The advert banner: while the player window is minimised, a small translucent window at the
// top centre of the screen that keeps showing the current advert above other windows.
class ADVERT1 : public QWidget {
    Q_OBJECT
public:
    explicit ADVERT1(BannerHost& host);

    // The load handler: placed, given the advert, kept on top, made translucent, ticking.
    void load();

    QLabel* Image14 = nullptr;
    Timer* Timer1 = nullptr;

private:
    void tick();

    BannerHost& m_host;
};

} // namespace lumo
