#include "platform/QtMessageBoxes.h"

#include <QMessageBox>

namespace lumo {

void QtMessageBoxes::show(const std::string& text, Icon icon) {
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QStringLiteral("Lumo"), QString::fromLatin1(text), QMessageBox::Ok);
    box.exec();
}

} // namespace lumo
