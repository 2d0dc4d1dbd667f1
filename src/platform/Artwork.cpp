#include "platform/Artwork.h"

#include <QFile>
#include <QGuiApplication>
#include <optional>

namespace lumo {

namespace {

std::optional<QPixmap> densePicture(const QString& path) {
    if (qApp != nullptr && qApp->devicePixelRatio() > 1.0) {
        if (const QString dense = path + QStringLiteral("@2x.png"); QFile::exists(dense)) {
            QPixmap picture(dense);
            picture.setDevicePixelRatio(2.0);
            return picture;
        }
    }
    return std::nullopt;
}

QString artworkPath(const char* name) {
    return QStringLiteral(":/artwork/%1").arg(QLatin1String(name));
}

} // namespace

QPixmap artwork(const char* name) {
    const QString path = artworkPath(name);
    if (auto dense = densePicture(path)) {
        return *dense;
    }
    return QPixmap(path + QStringLiteral(".png"));
}

QPixmap artwork(const char* name, const QImage& plain) {
    if (auto dense = densePicture(artworkPath(name))) {
        return *dense;
    }
    return QPixmap::fromImage(plain);
}

} // namespace lumo
