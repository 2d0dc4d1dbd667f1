#include "platform/QtMessageBoxes.h"

#include "platform/PlainText.h"

#include <QMessageBox>

namespace lumo {

void QtMessageBoxes::show(const std::string& text, Icon icon) {
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QStringLiteral("Lumo"), displayText(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText); // the text may carry a server's reply
    box.exec();
}

} // namespace lumo
