#include "info/InfoWindow.h"

#include "info/InfoHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace lumo {

namespace {

QSize twipsSize(int width, int height) {
    return {width / 15, height / 15};
}

QFont pixelFont(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

const QColor kInk(0xd8, 0xe4, 0xf0);
const QColor kAccent(0x4c, 0xc9, 0xf0);

// A picture of `size` drawn at the screens' density, so that it stays sharp when scaled.
QPixmap sharpCanvas(QSize size) {
    const qreal ratio = std::max(1.0, qApp->devicePixelRatio());
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void background(QPainter& p, const QSize& size) {
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(0x26, 0x2b, 0x35));
    fill.setColorAt(1, QColor(0x12, 0x15, 0x1b));
    p.fillRect(QRect(QPoint(0, 0), size), fill);
}

} // namespace

InfoWindow::InfoWindow(InfoHost& host, const QString& caption, QSize clientArea, QSize pictureArea,
                       const QPixmap& picture)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_host(host) {
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientArea);
    Image1 = new QLabel(this);
    Image1->setGeometry(QRect(QPoint(0, 0), pictureArea));
    Image1->setScaledContents(true);
    Image1->setPixmap(picture);
    Image1->setAccessibleName(caption);
}

InfoWindow::~InfoWindow() {
    m_host.showPlayerWindow();
}

void InfoWindow::closeEvent(QCloseEvent* event) {
    m_host.showPlayerWindow();
    event->accept();
}

About::About(InfoHost& host)
    : InfoWindow(host, tr("Lumo - About"), twipsSize(6000, 6000), twipsSize(6000, 6000),
                 creditsBackground()) {
    // The credits are live text over the picture: sharp at any scale, and a screen reader
    // reads them.
    for (const Credit& credit : credits()) {
        auto* line = new QLabel(credit.text, this);
        line->setTextFormat(Qt::PlainText);
        line->setAlignment(Qt::AlignCenter);
        line->setGeometry(credit.place);
        line->setFont(pixelFont(credit.pixels, credit.bold));
        line->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }")
                                .arg(credit.colour.name()));
    }
}

std::vector<About::Credit> About::credits() {
    const QColor quiet(0x8a, 0x96, 0xa6);
    std::vector<Credit> lines{
        {QRect(0, 34, 400, 50), QStringLiteral("Lumo"), 40, true, kAccent},
        {QRect(0, 86, 400, 22), tr("Version %1").arg(QStringLiteral(LUMO_VERSION)), 14, false,
         kInk},
        {QRect(0, 110, 400, 22), tr("Internet radio and television"), 14, false, kInk},
        {QRect(0, 170, 400, 22), tr("Built on"), 13, true, kInk},
    };
    const char* const builtOn[][2] = {
        {"Qt 6", QT_TR_NOOP("GNU LGPL version 3")},
        {"libVLC 3 (VideoLAN)", QT_TR_NOOP("GNU LGPL version 2.1 or later")},
        {"libcurl", QT_TR_NOOP("curl licence (MIT-style)")},
    };
    int y = 204;
    for (const auto& line : builtOn) {
        lines.push_back({QRect(0, y, 400, 22), QString::fromLatin1(line[0]), 14, true, Qt::white});
        lines.push_back({QRect(0, y + 21, 400, 20), tr(line[1]), 12, false, kInk});
        y += 54;
    }
    lines.push_back({QRect(0, 366, 400, 20),
                     tr("Stations and streams belong to their broadcasters"), 11, false, quiet});
    return lines;
}

QPixmap About::creditsBackground() {
    const QSize size(400, 400);
    QPixmap picture = sharpCanvas(size);
    QPainter p(&picture);
    background(p, size);
    return picture;
}

help::help(InfoHost& host)
    : InfoWindow(host, tr("Lumo - Help"), twipsSize(12435, 8250), twipsSize(12450, 8250),
                 helpPicture(host.playerPicture())) {}

// Callouts point at the controls' design places (in twips, as the player window lays them out),
// so the picture follows the window it is drawn around. Beside it, the keys and what the
// player's menu holds.
QPixmap help::helpPicture(const QPixmap& player) {
    const QSize size(830, 550);
    const QPoint origin(100, 84); // where the player window's picture goes
    struct Callout {
        int left, top;  // the control's centre, twips
        bool rightSide; // the text stands right of the window
        int textY;      // pixels
        const char* text;
    };
    const Callout callouts[] = {
        {412, 165, false, 20, QT_TR_NOOP("Stay on top of all screens")},
        {980, 165, false, 46, QT_TR_NOOP("View the DJ web camera")},
        {1807, 165, true, 4, QT_TR_NOOP("Load the default station")},
        {2415, 165, true, 36, QT_TR_NOOP("Information")},
        {2955, 165, true, 54, QT_TR_NOOP("Help")},
        {3855, 165, true, 74, QT_TR_NOOP("Minimise")},
        {4215, 165, true, 94, QT_TR_NOOP("Exit")},
        {2205, 845, false, 120, QT_TR_NOOP("Click the advert for its website")},
        {2227, 1607, true, 170, QT_TR_NOOP("Click the station name for its website")},
        {187, 2467, false, 250, QT_TR_NOOP("Drag the volume slider up or down")},
        {2195, 3092, true, 290,
         QT_TR_NOOP("Double-click the picture for full screen, Escape to leave it")},
        {322, 4635, false, 380, QT_TR_NOOP("Update the station listing")},
        {4162, 4635, true, 380, QT_TR_NOOP("Set this station as the default")},
        {727, 4987, false, 430, QT_TR_NOOP("The date of the station list")},
        {990, 5407, false, 490, QT_TR_NOOP("Stop, play and pause")},
        {3547, 5227, true, 470, QT_TR_NOOP("View or change the radio or TV station")},
    };
    QPixmap picture = sharpCanvas(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    background(p, size);
    p.drawPixmap(origin, player);
    const qreal playerWidth = player.deviceIndependentSize().width();
    p.setFont(pixelFont(10));
    for (const Callout& c : callouts) {
        const QPointF target(origin.x() + c.left / 15.0, origin.y() + c.top / 15.0);
        const QRectF box = c.rightSide ? QRectF(origin.x() + playerWidth + 6, c.textY, 94, 60)
                                       : QRectF(4, c.textY, 92, 60);
        const QPointF from(c.rightSide ? box.left() - 2 : box.right() + 2, c.textY + 7);
        p.setPen(QPen(kAccent, 1));
        p.drawLine(from, target);
        p.setBrush(kAccent);
        p.drawEllipse(target, 2.5, 2.5);
        p.setPen(kInk);
        p.drawText(box, (c.rightSide ? Qt::AlignLeft : Qt::AlignRight) | Qt::TextWordWrap,
                   tr(c.text));
    }
    drawKeysAndMenu(p, QRect(520, 20, 296, 520));
    return picture;
}

void help::drawKeysAndMenu(QPainter& p, const QRect& area) {
    struct Line {
        const char* key; // empty for a line of the menu
        const char* text;
    };
    const Line keys[] = {
        {QT_TR_NOOP("Space"), QT_TR_NOOP("Play or pause")},
        {"S", QT_TR_NOOP("Stop")},
        {QT_TR_NOOP("Up, Down"), QT_TR_NOOP("Volume up or down")},
        {QT_TR_NOOP("Left, Right"), QT_TR_NOOP("30 seconds back or forward in live radio")},
        {"F", QT_TR_NOOP("Full screen (Escape leaves it)")},
        {"M", QT_TR_NOOP("Minimise")},
        {QT_TR_NOOP("Tab"), QT_TR_NOOP("Move through the controls")},
        {QT_TR_NOOP("Ctrl+L"), QT_TR_NOOP("Open an address")},
        {QT_TR_NOOP("Ctrl+V"), QT_TR_NOOP("Play a copied address")},
        {QT_TR_NOOP("Menu"), QT_TR_NOOP("The player's menu")},
        {"F1", QT_TR_NOOP("This help")},
        {QT_TR_NOOP("Ctrl+Q"), QT_TR_NOOP("Quit")},
    };
    const char* const menu[] = {
        QT_TR_NOOP("Sleep timer: stop after 15 to 90 minutes"),
        QT_TR_NOOP("Add to or remove from the favourites"),
        QT_TR_NOOP("Open an address, add or edit My Stations"),
        QT_TR_NOOP("Back 30 seconds, forward, back to live"),
        QT_TR_NOOP("Record, one file per song; the recordings folder"),
        QT_TR_NOOP("The titles heard"),
        QT_TR_NOOP("Song notifications on or off"),
        QT_TR_NOOP("In the station list: search, favourites, My Stations"),
    };
    int y = area.top();
    const auto heading = [&](const QString& text) {
        p.setFont(pixelFont(12, true));
        p.setPen(kAccent);
        const QRect box(area.left(), y, area.width(), 40);
        p.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, text);
        y += p.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, text).height() + 6;
        p.setFont(pixelFont(10));
        p.setPen(kInk);
    };
    const auto line = [&](const QString& key, const QString& text) {
        const int indent = key.isEmpty() ? 10 : 82;
        const QRect box(area.left() + indent, y, area.width() - indent, 40);
        const QRect used = p.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, text);
        if (!key.isEmpty()) {
            p.setPen(Qt::white);
            p.drawText(QRect(area.left(), y, 78, 16), Qt::AlignLeft, key);
            p.setPen(kInk);
        } else {
            p.drawText(QRect(area.left(), y, 10, 16), Qt::AlignLeft, QStringLiteral("\u2022"));
        }
        p.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, text);
        y += std::max(used.height(), 13) + 4;
    };
    heading(tr("Keys"));
    for (const Line& k : keys) {
        line(tr(k.key), tr(k.text));
    }
    y += 12;
    heading(tr("The player's menu (right button or Menu key)"));
    for (const char* const item : menu) {
        line({}, tr(item));
    }
}

} // namespace lumo
