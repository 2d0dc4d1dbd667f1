#include "platform/Artwork.h"

#include <QFile>
#include <QGuiApplication>

namespace lumo {

QPixmap artwork(const char* name) {
    const QString path = QStringLiteral(":/artwork/%1").arg(QLatin1String(name));
    if (qApp != nullptr && qApp->devicePixelRatio() > 1.0) {
        if (const QString dense = path + QStringLiteral("@2x.png"); QFile::exists(dense)) {
            QPixmap picture(dense);
            picture.setDevicePixelRatio(2.0);
            return picture;
        }
    }
    return QPixmap(path + QStringLiteral(".png"));
}

} // namespace lumo
