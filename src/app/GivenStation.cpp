#include "app/GivenStation.h"

#include "net/PlaylistFile.h"
#include "platform/UrlOpener.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>

namespace lumo {

namespace {

GivenStation refused(std::string why) {
    return {{}, {}, std::move(why)};
}

GivenStation fromPlaylistFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(
            QCoreApplication::translate("GivenStation", "Cannot read %1").arg(path).toStdString());
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kMostPlaylistBytes));
    for (const PlaylistEntry& entry : playlistEntries(
             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        if (isNetworkAddress(entry.address)) {
            return {entry.address, entry.title, {}};
        }
    }
    return refused(QCoreApplication::translate("GivenStation", "No station's network address in %1")
                       .arg(path)
                       .toStdString());
}

bool isFileAddress(const QString& given) {
    return given.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

} // namespace

QString networkAddressOf(const QString& text) {
    QString given = text.trimmed();
    if (given.startsWith(QLatin1String("icy://"), Qt::CaseInsensitive)) {
        given = QStringLiteral("http://") + given.mid(6);
    } else if (given.startsWith(QLatin1String("icyx://"), Qt::CaseInsensitive)) {
        given = QStringLiteral("https://") + given.mid(7);
    }
    return isNetworkAddress(given.toStdString()) ? given : QString();
}

GivenStation readGivenStation(const QString& text) {
    const QString given = text.trimmed();
    if (given.isEmpty()) {
        return refused(
            QCoreApplication::translate("GivenStation", "No address given").toStdString());
    }
    if (isFileAddress(given)) {
        const QUrl url(given);
        return url.isLocalFile()
                   ? fromPlaylistFile(url.toLocalFile())
                   : refused(QCoreApplication::translate("GivenStation", "Not a local file: %1")
                                 .arg(given)
                                 .toStdString());
    }
    if (given.startsWith(QLatin1Char('/')) || QFileInfo(given).isFile()) {
        return fromPlaylistFile(given);
    }
    const QString address = networkAddressOf(given);
    if (address.isEmpty()) {
        return refused(
            QCoreApplication::translate(
                "GivenStation", "Not a network address (http, https, mms, mmsh, rtsp or rtmp): %1")
                .arg(given)
                .toStdString());
    }
    return {address.toStdString(), {}, {}};
}

void readGivenStationLater(const QString& given, QObject* context,
                           std::function<void(GivenStation)> done) {
    QThreadPool::globalInstance()->start(
        [given, target = QPointer<QObject>(context), done = std::move(done)]() mutable {
            GivenStation station = readGivenStation(given);
            if (!target) {
                return;
            }
            QMetaObject::invokeMethod(
                target.data(),
                [target, station = std::move(station), done = std::move(done)]() mutable {
                    if (target) {
                        done(std::move(station));
                    }
                },
                Qt::QueuedConnection);
        });
}

} // namespace lumo
