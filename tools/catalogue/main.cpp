// lumo-catalogue: makes a Lumo.csv from the community radio directory's station export.
//   lumo-catalogue [--min-votes N] [--countries CC,CC] [--max-per-genre N] EXPORT.json [OUT.csv]
#include "catalogue/DirectoryExport.h"
#include "platform/AppFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumo-catalogue"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Makes a Lumo station list from the community radio directory's "
                       "json/stations export."));
    parser.addHelpOption();
    const QCommandLineOption minVotes(QStringLiteral("min-votes"),
                                      QStringLiteral("Keep stations with at least N votes."),
                                      QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption countries(QStringLiteral("countries"),
                                       QStringLiteral("Keep these country codes only (DE,FR)."),
                                       QStringLiteral("codes"));
    const QCommandLineOption maxPerGenre(QStringLiteral("max-per-genre"),
                                         QStringLiteral("At most N stations in each genre."),
                                         QStringLiteral("N"), QStringLiteral("0"));
    parser.addOptions({minVotes, countries, maxPerGenre});
    parser.addPositionalArgument(QStringLiteral("export"), QStringLiteral("The JSON export."));
    parser.addPositionalArgument(
        QStringLiteral("output"),
        QStringLiteral("The Lumo.csv to write (default: standard output)."));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || files.size() > 2) {
        parser.showHelp(2);
    }
    QFile input(files[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "lumo-catalogue: cannot read %s\n", qPrintable(files[0]));
        return 1;
    }
    lumo::ExportOptions options;
    options.minVotes = parser.value(minVotes).toLong();
    options.maxPerGenre = parser.value(maxPerGenre).toInt();
    if (parser.isSet(countries)) {
        options.countries =
            parser.value(countries).toUpper().split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    const auto list = lumo::stationListFromExport(input.readAll(), options);
    if (!list) {
        std::fprintf(stderr, "lumo-catalogue: %s is not a JSON array of stations\n",
                     qPrintable(files[0]));
        return 1;
    }
    if (files.size() == 2) {
        if (!lumo::replaceFileAtomically(files[1].toStdString(), *list)) {
            std::fprintf(stderr, "lumo-catalogue: cannot write %s\n", qPrintable(files[1]));
            return 1;
        }
        return 0;
    }
    std::fwrite(list->data(), 1, list->size(), stdout);
    return 0;
}
