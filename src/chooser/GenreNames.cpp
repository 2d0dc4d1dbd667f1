#include "chooser/GenreNames.h"

#include <QCoreApplication>

namespace lumo {

namespace {

// The genres the directory's stations are put in and the update site's usual ones, which the
// genre box shows translated.
[[maybe_unused]] constexpr const char* kGenreNames[] = {
    QT_TRANSLATE_NOOP("lumo::Genres", "News and Talk"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Sports"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Jazz"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Blues"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Classical"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Ambient"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Chillout"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Electronic"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Dance"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Hip Hop"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Soul and R&B"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Funk"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Reggae"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Metal"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Punk"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Indie"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Alternative"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Rock"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Oldies"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Decades"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Country"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Folk"),
    QT_TRANSLATE_NOOP("lumo::Genres", "World"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Latin"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Religious"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Children"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Comedy"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Soundtracks"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Schlager"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Eclectic"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Pop"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Community"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Public Radio"),
    QT_TRANSLATE_NOOP("lumo::Genres", "News"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Science"),
    QT_TRANSLATE_NOOP("lumo::Genres", "Other"),
};

} // namespace

QString shownGenre(const QString& genre) {
    const QByteArray source = genre.toUtf8();
    return QCoreApplication::translate("lumo::Genres", source.constData());
}

} // namespace lumo
