#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumo {

namespace {

void install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

void installTranslations(QCoreApplication& application, const QLocale& locale) {
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(application, locale, QStringLiteral("lumo"), QStringLiteral(":/i18n"));
}

} // namespace lumo
