#pragma once

#include <QLocale>

class QCoreApplication;

namespace lumo {

// Puts the program's texts, and Qt's own (the buttons of message boxes, the edit menus), into
// the listener's language, as the desktop's locale names it. English needs nothing: it is the
// language the texts are written in. The translators are owned by the application.
void installTranslations(QCoreApplication& application, const QLocale& locale = QLocale::system());

} // namespace lumo
