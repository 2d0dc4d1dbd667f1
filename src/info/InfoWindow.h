#pragma once

#include <QWidget>
#include <vector>

class QLabel;
class QPainter;

namespace lumo {

class InfoHost;

// A window that shows one picture: a fixed border with a title bar and a close box, no
// minimise or maximise. However it is closed (its close box, close(), its release), the
// player window is shown again.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    ~InfoWindow() override;

    // The load handler: makes the window visible.
    void load() { show(); }

    QLabel* Image1 = nullptr;

protected:
    InfoWindow(InfoHost& host, const QString& caption, QSize clientArea, QSize pictureArea,
               const QPixmap& picture);
    void closeEvent(QCloseEvent* event) override;

private:
    InfoHost& m_host;
};

// The credits.
class About : public InfoWindow {
    Q_OBJECT
public:
    explicit About(InfoHost& host);
    // A line of the credits (this program, its version, and what it stands on), where it
    // stands on the 400 x 400 window.
    struct Credit {
        QRect place;
        QString text;
        int pixels;
        bool bold;
        QColor colour;
    };
    static std::vector<Credit> credits();
    // What the credits stand on.
    static QPixmap creditsBackground();
};

// What each control of the player window does, around a picture of the window itself.
class help : public InfoWindow {
    Q_OBJECT
public:
    explicit help(InfoHost& host);
    // The 830 x 550 help picture drawn around `player`.
    static QPixmap helpPicture(const QPixmap& player);

private:
    static void drawKeysAndMenu(QPainter& p, const QRect& area);
};

} // namespace lumo
