#include "app/CommandLine.h"

#include "net/PlaylistFile.h"
#include "platform/UrlOpener.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace lumo {

namespace {

QString helpText() {
    return QStringLiteral(
        "Usage: lumo [ADDRESS|PLAYLIST-FILE]\n"
        "A player for internet radio and television stations.\n\n"
        "  ADDRESS        a station's address (http, https, mms, mmsh, rtsp, rtmp; icy and\n"
        "                 icyx as http and https) to play instead of the default station\n"
        "  PLAYLIST-FILE  a playlist file (.m3u, .m3u8, .pls, .asx, .xspf) whose first\n"
        "                 station to play\n"
        "  -h, --help     show this help\n"
        "  -v, --version  show the version\n\n"
        "A running Lumo on the same desktop is handed the station and shown instead.\n");
}

std::string refusedAddress(const QString& given) {
    return "not a network address (http, https, mms, mmsh, rtsp or rtmp): " + given.toStdString();
}

CommandLine fromPlaylistFile(const QString& path) {
    CommandLine line;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        line.action = CommandLine::Action::Refused;
        line.text = "cannot read " + path.toStdString();
        return line;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kMostPlaylistBytes));
    for (const PlaylistEntry& entry : playlistEntries(
             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        if (isNetworkAddress(entry.address)) {
            line.address = entry.address;
            line.name = entry.title;
            return line;
        }
    }
    line.action = CommandLine::Action::Refused;
    line.text = "no station's network address in " + path.toStdString();
    return line;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    parser.addOption(help);
    parser.addOption(version);
    CommandLine line;
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        line.action = CommandLine::Action::Refused;
        line.text = (parser.errorText().isEmpty() ? QStringLiteral("one station at a time")
                                                  : parser.errorText())
                        .toStdString() +
                    "\n" + helpText().toStdString();
        return line;
    }
    if (parser.isSet(help)) {
        return {CommandLine::Action::Help, {}, {}, helpText().toStdString()};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::Version, {}, {}, "Lumo " LUMO_VERSION "\n"};
    }
    if (parser.positionalArguments().isEmpty()) {
        return line;
    }
    QString given = parser.positionalArguments().first().trimmed();
    const QUrl url(given);
    if (url.isLocalFile()) {
        return fromPlaylistFile(url.toLocalFile());
    }
    if (QFileInfo(given).isFile()) {
        return fromPlaylistFile(given);
    }
    if (given.startsWith(QLatin1String("icy://"), Qt::CaseInsensitive)) {
        given = QStringLiteral("http://") + given.mid(6);
    } else if (given.startsWith(QLatin1String("icyx://"), Qt::CaseInsensitive)) {
        given = QStringLiteral("https://") + given.mid(7);
    }
    if (!isNetworkAddress(given.toStdString())) {
        line.action = CommandLine::Action::Refused;
        line.text = refusedAddress(given);
        return line;
    }
    line.address = given.toStdString();
    return line;
}

} // namespace lumo
