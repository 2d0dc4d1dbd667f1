#include "app/CommandLine.h"

#include "app/GivenStation.h"

#include <QCommandLineParser>

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
    const GivenStation given = readGivenStation(parser.positionalArguments().first());
    if (given.refused()) {
        line.action = CommandLine::Action::Refused;
        line.text = given.refusal;
    }
    line.address = given.address;
    line.name = given.name;
    return line;
}

} // namespace lumo
