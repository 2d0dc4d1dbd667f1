// Draws the player's skin and button pictures into assets/images/, the desktop icons into
// assets/icons/, and the update site's advert pictures into site/downloads/LUMO/.
// Build target `lumo_draw_artwork`; run it with the two output folders as its arguments after
// changing anything here, and commit the pictures it writes.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace {

QString outDir;

// Twips to pixels, as the window lays its controls out.
constexpr double px(int twips) {
    return twips / 15.0;
}
QRectF tw(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

const QColor kOutside(255, 0, 255);
const QColor kBodyTop(0x3a, 0x40, 0x4c);
const QColor kBodyBottom(0x1b, 0x1e, 0x25);
const QColor kAccent(0x4c, 0xc9, 0xf0);
const QColor kLit(0x6b, 0xf2, 0x8a);
const QColor kIcon(0xc8, 0xd0, 0xdc);

// Every picture is drawn twice: for ordinary screens, and at twice the pixels for screens of
// twice the density ("name@2x.png", which Qt picks by the device pixel ratio). Drawing uses the
// same coordinates both times.
qreal outScale = 1;

void save(const QImage& image, const QString& name) {
    image.save(outDir + "/" + name + (outScale > 1 ? QStringLiteral("@2x") : QString()) + ".png");
}

QImage canvas(QSize size, QColor fill = Qt::transparent,
              QImage::Format format = QImage::Format_ARGB32) {
    QImage image(size * outScale, format);
    image.setDevicePixelRatio(outScale);
    image.fill(fill);
    return image;
}

// A picture's size in drawing coordinates.
QSizeF logical(const QImage& image) {
    return image.deviceIndependentSize();
}

void well(QPainter& p, const QRectF& r, qreal radius, QColor fill = QColor(0x0e, 0x11, 0x16)) {
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(-1.5, -1.5, 1.5, 1.5), radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(-2.5, -2.5, 2.5, 2.5), radius + 1, radius + 1);
}

void drawSkin() {
    const QSize size(299, 388);
    QImage skin = canvas(size, kOutside, QImage::Format_RGB32);
    QPainter p(&skin);
    p.setRenderHint(QPainter::Antialiasing, false); // hard edges: the outline is cut from them
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, 299, 381), 14, 14);
    QLinearGradient shade(0, 0, 0, 381);
    shade.setColorAt(0, kBodyTop);
    shade.setColorAt(0.5, QColor(0x2a, 0x2f, 0x39));
    shade.setColorAt(1, kBodyBottom);
    p.fillPath(body, shade);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, 296, 378), 13, 13);

    // top bar
    QLinearGradient bar(0, 0, 0, 22);
    bar.setColorAt(0, QColor(0x4a, 0x52, 0x60));
    bar.setColorAt(1, QColor(0x30, 0x35, 0x40));
    QPainterPath top;
    top.addRoundedRect(QRectF(3, 2, 293, 20), 9, 9);
    p.fillPath(top, bar);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawLine(QPointF(8, 22.5), QPointF(291, 22.5));

    well(p, tw(240, 350, 3930, 990), 4);                            // advert
    well(p, tw(360, 1480, 3735, 255), 3, QColor(0x0b, 0x1a, 0x22)); // station name
    well(p, tw(460, 1900, 3470, 2385), 3, Qt::black);               // video
    well(p, tw(480, 4480, 3480, 255), 3, QColor(0x0b, 0x1a, 0x22)); // status
    well(p, tw(120, 4860, 1215, 255), 3, QColor(0x0b, 0x1a, 0x22)); // list date

    // volume track on the left edge: the knob travels from 2280 to 3280 twips
    const QRectF track(px(0) + 9, px(2280), 7, px(3280 + 375 - 2280));
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.setBrush(QColor(0x10, 0x12, 0x18));
    p.drawRoundedRect(track, 3.5, 3.5);
    QLinearGradient level(0, track.top(), 0, track.bottom());
    level.setColorAt(0, kLit);
    level.setColorAt(1, kAccent.darker(200));
    p.setPen(Qt::NoPen);
    p.setBrush(level);
    p.drawRoundedRect(track.adjusted(2.5, 3, -2.5, -3), 1, 1);

    // the chooser pill (hot area) holding the change-station button
    const QRectF pill = tw(3000, 5040, 1095, 375);
    QLinearGradient pillShade(0, pill.top(), 0, pill.bottom());
    pillShade.setColorAt(0, QColor(0x2c, 0x8f, 0xb8));
    pillShade.setColorAt(1, QColor(0x1b, 0x5d, 0x7a));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(pillShade);
    p.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    // Its word is the program's to write, in the listener's language.

    // the name
    QFont logo("DejaVu Sans", 12, QFont::Bold);
    logo.setPixelSize(15);
    logo.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(logo);
    p.setPen(QColor(255, 255, 255, 170));
    p.drawText(QRectF(128, 342, 70, 34), Qt::AlignCenter, "LUMO");
    p.end();
    save(skin, "skin");
}

QPainterPath rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

enum class Look { Normal, Lit, Pressed };

// A glossy button face with an icon drawn by `icon` into the given rectangle.
QImage button(QSize size, Look look, const std::function<void(QPainter&, QRectF, QColor)>& icon,
              QColor glow = kLit) {
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(0.5, 0.5, size.width() - 1, size.height() - 1);
    const qreal radius = std::min(size.width(), size.height()) / 4.0;
    QLinearGradient face(0, 0, 0, size.height());
    if (look == Look::Pressed) {
        face.setColorAt(0, QColor(0x1c, 0x20, 0x27));
        face.setColorAt(1, QColor(0x2e, 0x34, 0x3f));
    } else {
        face.setColorAt(0, QColor(0x5a, 0x63, 0x73));
        face.setColorAt(1, QColor(0x2b, 0x30, 0x3a));
    }
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.setBrush(face);
    p.drawPath(rounded(r, radius));
    if (look != Look::Pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rounded(r.adjusted(1, 1, -1, -1), radius - 1));
    }
    QColor ink = look == Look::Lit ? glow : kIcon;
    const QRectF inner =
        r.adjusted(size.width() * 0.25, size.height() * 0.25, -size.width() * 0.25,
                   -size.height() * 0.25)
            .translated(look == Look::Pressed ? 1 : 0, look == Look::Pressed ? 1 : 0);
    if (look == Look::Lit) {
        QRadialGradient halo(inner.center(), inner.width());
        QColor soft = glow;
        soft.setAlpha(90);
        halo.setColorAt(0, soft);
        halo.setColorAt(1, Qt::transparent);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawPath(rounded(r.adjusted(2, 2, -2, -2), radius));
    }
    icon(p, inner, ink);
    return image;
}

void triangle(QPainter& p, QRectF r, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF t;
    t << QPointF(r.left() + r.width() * 0.15, r.top()) << QPointF(r.right(), r.center().y())
      << QPointF(r.left() + r.width() * 0.15, r.bottom());
    p.drawPolygon(t);
}
void square(QPainter& p, QRectF r, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal s = std::min(r.width(), r.height()) * 0.9;
    p.drawRoundedRect(QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s), 1.5, 1.5);
}
void bars(QPainter& p, QRectF r, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal h = r.height(), w = r.width() * 0.3;
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.08, r.top(), w, h), 1, 1);
    p.drawRoundedRect(QRectF(r.right() - r.width() * 0.08 - w, r.top(), w, h), 1, 1);
}
void glyph(QPainter& p, QRectF r, QColor c, const QString& text, int pixels) {
    QFont f("DejaVu Sans", 7, QFont::Bold);
    f.setPixelSize(pixels);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r.adjusted(-r.width(), -r.height(), r.width(), r.height()), Qt::AlignCenter, text);
}
std::function<void(QPainter&, QRectF, QColor)> label(const QString& text, int pixels) {
    return [text, pixels](QPainter& p, QRectF r, QColor c) { glyph(p, r, c, text, pixels); };
}

QSize sz(int w, int h) {
    return {qRound(px(w)), qRound(px(h))};
}

void drawTransport() {
    const QSize s = sz(540, 495);
    save(button(s, Look::Normal, square), "stop_unlit");
    save(button(s, Look::Lit, square, QColor(0xff, 0x7a, 0x6b)), "stop_lit");
    save(button(s, Look::Pressed, square), "stop_pressed");
    save(button(s, Look::Normal, triangle), "play_unlit");
    save(button(s, Look::Lit, triangle), "play_lit");
    save(button(s, Look::Pressed, triangle), "play_pressed");
    save(button(s, Look::Normal, bars), "pause_unlit");
    save(button(s, Look::Lit, bars, QColor(0xff, 0xc8, 0x4a)), "pause_lit");
    save(button(s, Look::Pressed, bars), "pause_pressed");
}

void drawSmallButtons() {
    save(button(sz(270, 240), Look::Normal,
                [](QPainter& p, QRectF r, QColor c) {
                    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.right(), r.bottom()));
                }),
         "minimise");
    save(button(sz(270, 240), Look::Normal,
                [](QPainter& p, QRectF r, QColor) {
                    p.setPen(QPen(QColor(0xff, 0x8a, 0x7a), 1.6, Qt::SolidLine, Qt::RoundCap));
                    p.setBrush(Qt::NoBrush);
                    p.drawArc(r.adjusted(-1, 0, 1, 2), 120 * 16, 300 * 16);
                    p.drawLine(QPointF(r.center().x(), r.top() - 1),
                               QPointF(r.center().x(), r.center().y()));
                }),
         "shutdown");
    auto refresh = [](QPainter& p, QRectF r, QColor c) {
        p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(r, 40 * 16, 280 * 16);
        p.setBrush(c);
        p.setPen(Qt::NoPen);
        const QPointF tip(r.right(), r.top() + r.height() * 0.2);
        p.drawPolygon(QPolygonF() << tip + QPointF(-4, -2) << tip + QPointF(2, -3)
                                  << tip + QPointF(1, 3));
    };
    save(button(sz(405, 390), Look::Normal, refresh), "update_stations");
    save(button(sz(405, 390), Look::Normal,
                [](QPainter& p, QRectF r, QColor) {
                    QPolygonF star;
                    for (int i = 0; i < 10; ++i) {
                        const double a = -M_PI / 2 + i * M_PI / 5;
                        const double radius = (i % 2 ? 0.42 : 1.0) * r.width() * 0.65;
                        star << r.center() + QPointF(std::cos(a) * radius, std::sin(a) * radius);
                    }
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0xff, 0xd1, 0x5c));
                    p.drawPolygon(star);
                }),
         "set_default");
    QImage change = canvas(sz(300, 225));
    {
        QPainter p(&change);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const qreal y = 3.5 + i * 4;
            p.drawPoint(QPointF(4, y));
            p.drawLine(QPointF(7, y), QPointF(16, y));
        }
    }
    save(change, "change_station");
    save(button(sz(735, 240), Look::Normal, label("HOME", 9)), "default_station");
    save(button(sz(735, 240), Look::Pressed, label("HOME", 9)), "default_station_pressed");
    save(button(sz(345, 240), Look::Normal, label("TOP", 8)), "on_top_off");
    save(button(sz(345, 240), Look::Lit, label("TOP", 8), kAccent), "on_top_on");
    save(button(sz(660, 240), Look::Normal, label("DJ CAM", 8)), "live_feed_off");
    save(button(sz(660, 240), Look::Lit, label("DJ CAM", 8), QColor(0xff, 0x6b, 0x6b)),
         "live_feed_on");
    save(button(sz(270, 240), Look::Normal, label("i", 11)), "information");
    save(button(sz(270, 240), Look::Pressed, label("i", 11)), "information_pressed");
    save(button(sz(510, 240), Look::Normal, label("HELP", 8)), "help");
    save(button(sz(510, 240), Look::Pressed, label("HELP", 8)), "help_pressed");

    QImage knob = canvas(sz(375, 375));
    {
        QPainter p(&knob);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r(1, 1, logical(knob).width() - 2, logical(knob).height() - 2);
        QRadialGradient face(r.center() - QPointF(3, 4), r.width() * 0.7);
        face.setColorAt(0, QColor(0xe8, 0xec, 0xf2));
        face.setColorAt(0.6, QColor(0x9a, 0xa3, 0xb1));
        face.setColorAt(1, QColor(0x4a, 0x51, 0x5c));
        p.setPen(QPen(QColor(0, 0, 0, 180), 1));
        p.setBrush(face);
        p.drawEllipse(r);
        p.setPen(QPen(kAccent.darker(130), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.left() + 6, r.center().y()), QPointF(r.right() - 6, r.center().y()));
    }
    save(knob, "volume_knob");
}

void drawPictures() {
    QImage advert = canvas(sz(3930, 990), Qt::black);
    {
        QPainter p(&advert);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, logical(advert).width(), logical(advert).height());
        sky.setColorAt(0, QColor(0x12, 0x3a, 0x5c));
        sky.setColorAt(1, QColor(0x2c, 0x8f, 0xb8));
        p.fillRect(QRectF(QPointF(), logical(advert)), sky);
        p.setPen(QPen(QColor(255, 255, 255, 50), 2));
        for (int i = 0; i < 5; ++i) {
            const qreal radius = 10 + i * 9;
            p.drawArc(QRectF(34 - radius, 33 - radius, radius * 2, radius * 2), -50 * 16, 100 * 16);
        }
        QFont big("DejaVu Sans", 16, QFont::Bold);
        big.setPixelSize(20);
        p.setFont(big);
        p.setPen(Qt::white);
        p.drawText(QRectF(70, 8, 190, 30), Qt::AlignLeft | Qt::AlignVCenter, "Lumo");
        // The line below the name is the program's to write, in the listener's language.
    }
    save(advert, "default_advert");

    QImage placeholder = canvas(sz(3480, 2190), QColor(0x10, 0x13, 0x18));
    {
        QPainter p(&placeholder);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(logical(placeholder).width() / 2.0,
                        logical(placeholder).height() / 2.0 - 10);
        p.setPen(QPen(QColor(0x5a, 0x63, 0x73), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(c.x() - 28, c.y() - 18, 56, 36), 6, 6);
        p.drawEllipse(c, 11, 11);
        QFont small("DejaVu Sans", 8);
        small.setPixelSize(11);
        p.setFont(small);
        p.drawText(QRectF(0, c.y() + 26, logical(placeholder).width(), 20), Qt::AlignCenter,
                   "Studio camera");
    }
    save(placeholder, "live_feed_placeholder");
}

// The program's icon for the desktop: a speaker's sound waves on the skin's colours. It is
// drawn afresh at each size the icon theme asks for (and as SVG), in a 128-unit square; the
// small sizes keep two waves and drop the outline's shadow, so that they stay legible.
struct IconShape {
    int waves;
    qreal wave;   // stroke width of a wave
    qreal corner; // radius of the body's corners
    bool outline;
};

IconShape iconShapeFor(int size) {
    if (size <= 24) {
        return {2, 14, 20, false};
    }
    if (size <= 48) {
        return {3, 9, 22, true};
    }
    return {3, 7, 24, true};
}

qreal waveRadius(int i, const IconShape& shape) {
    return shape.waves == 2 ? 30 + i * 26 : 26 + i * 16;
}

QImage drawIcon(int size) {
    const IconShape shape = iconShapeFor(size);
    QImage icon = canvas(QSize(size, size));
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    QLinearGradient body(0, 0, 0, 128);
    body.setColorAt(0, kBodyTop);
    body.setColorAt(1, kBodyBottom);
    p.setPen(shape.outline ? QPen(QColor(0, 0, 0, 160), 2) : QPen(Qt::NoPen));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6, 6, 116, 116), shape.corner, shape.corner);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(44, 64), 12, 12);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < shape.waves; ++i) {
        const qreal radius = waveRadius(i, shape);
        p.setPen(QPen(i == 0 ? kLit : kAccent, shape.wave, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(44 - radius, 64 - radius, radius * 2, radius * 2), -45 * 16, 90 * 16);
    }
    return icon;
}

// The same picture as a scalable SVG document.
QByteArray iconSvg() {
    const IconShape shape = iconShapeFor(128);
    auto hex = [](QColor c) { return c.name().toLatin1(); };
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" "
                     "viewBox=\"0 0 128 128\">\n"
                     "  <defs><linearGradient id=\"body\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"128\" "
                     "gradientUnits=\"userSpaceOnUse\"><stop offset=\"0\" stop-color=\"" +
                     hex(kBodyTop) + "\"/><stop offset=\"1\" stop-color=\"" + hex(kBodyBottom) +
                     "\"/></linearGradient></defs>\n";
    svg += QStringLiteral("  <rect x=\"6\" y=\"6\" width=\"116\" height=\"116\" rx=\"%1\" "
                          "fill=\"url(#body)\" stroke=\"#000000\" stroke-opacity=\"0.63\" "
                          "stroke-width=\"2\"/>\n")
               .arg(shape.corner)
               .toLatin1();
    svg += "  <circle cx=\"44\" cy=\"64\" r=\"12\" fill=\"" + hex(kAccent) + "\"/>\n";
    for (int i = 0; i < shape.waves; ++i) {
        const qreal radius = waveRadius(i, shape);
        const qreal dx = radius * std::sqrt(0.5);
        svg += QStringLiteral("  <path d=\"M %1 %2 A %3 %3 0 0 0 %1 %4\" fill=\"none\" "
                              "stroke=\"%5\" stroke-width=\"%6\" stroke-linecap=\"round\"/>\n")
                   .arg(44 + dx, 0, 'f', 2)
                   .arg(64 + dx, 0, 'f', 2)
                   .arg(radius)
                   .arg(64 - dx, 0, 'f', 2)
                   .arg(i == 0 ? kLit.name() : kAccent.name())
                   .arg(shape.wave)
                   .toLatin1();
    }
    return svg + "</svg>\n";
}

// The icon theme's folders (hicolor/<size>x<size>/apps and hicolor/scalable/apps below
// `iconDir`) under the application id, and the window's own icon.
void drawIcons(const QString& iconDir) {
    const QString name = QStringLiteral(LUMO_APP_ID);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = iconDir + QStringLiteral("/hicolor/%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        drawIcon(size).save(folder + "/" + name + ".png");
    }
    const QString scalable = iconDir + QStringLiteral("/hicolor/scalable/apps");
    QDir().mkpath(scalable);
    QFile svg(scalable + "/" + name + ".svg");
    if (svg.open(QIODevice::WriteOnly)) {
        svg.write(iconSvg());
    }
}

// The update site's adverts: stations of the starter catalogue, drawn at twice the advert
// image's size so that they stay sharp when scaled. Their links are in image2url.csv.
void drawAdverts(const QString& siteDir) {
    struct Advert {
        const char* name;
        const char* line;
        QColor from, to;
    };
    const Advert adverts[] = {
        {"SomaFM Groove Salad", "Ambient beats and grooves, listener supported",
         QColor(0x1d, 0x4d, 0x2b), QColor(0x6a, 0xb0, 0x4c)},
        {"Radio Paradise", "Eclectic, commercial-free, DJ-mixed", QColor(0x4a, 0x1d, 0x5c),
         QColor(0xd0, 0x6a, 0x3c)},
        {"FIP", "Jazz, rock, world and more from Paris", QColor(0x7a, 0x0c, 0x3a),
         QColor(0xe8, 0x3e, 0x8c)},
        {"KEXP Seattle", "Where the music matters", QColor(0x10, 0x10, 0x10),
         QColor(0xc8, 0x8a, 0x12)},
    };
    int number = 2;
    for (const Advert& advert : adverts) {
        QImage image(QSize(524, 132), QImage::Format_RGB32);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(0, 0, image.width(), image.height());
        fill.setColorAt(0, advert.from);
        fill.setColorAt(1, advert.to);
        p.fillRect(image.rect(), fill);
        p.setPen(QPen(QColor(255, 255, 255, 45), 4));
        for (int i = 0; i < 6; ++i) {
            const qreal radius = 18 + i * 16;
            p.drawArc(QRectF(470 - radius, 66 - radius, radius * 2, radius * 2), 130 * 16,
                      100 * 16);
        }
        QFont big("DejaVu Sans", 16, QFont::Bold);
        big.setPixelSize(32);
        p.setFont(big);
        p.setPen(Qt::white);
        p.drawText(QRectF(26, 14, 480, 56), Qt::AlignLeft | Qt::AlignVCenter, advert.name);
        QFont small("DejaVu Sans", 10);
        small.setPixelSize(18);
        p.setFont(small);
        p.setPen(QColor(255, 255, 255, 220));
        p.drawText(QRectF(28, 72, 480, 30), Qt::AlignLeft | Qt::AlignVCenter, advert.line);
        small.setPixelSize(15);
        p.setFont(small);
        p.setPen(QColor(255, 255, 255, 170));
        p.drawText(QRectF(28, 102, 430, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   "Now in Lumo's station list");
        p.end();
        image.save(siteDir + QStringLiteral("/AD%1.jpg").arg(number++), "JPG", 88);
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("images");
    QDir().mkpath(outDir);
    drawIcons(outDir + QStringLiteral("/../icons"));
    for (const qreal scale : {1.0, 2.0}) {
        outScale = scale;
        drawSkin();
        drawTransport();
        drawSmallButtons();
        drawPictures();
        save(drawIcon(128), "icon"); // the window's own icon
    }
    if (argc > 2 && !QString::fromLocal8Bit(argv[2]).startsWith(QLatin1Char('-'))) {
        drawAdverts(QString::fromLocal8Bit(argv[2]));
    }
    return 0;
}
