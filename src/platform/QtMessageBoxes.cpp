#include "platform/QtMessageBoxes.h"

#include "platform/PlainText.h"

#include <QMessageBox>

namespace lumo {

QtMessageBoxes::~QtMessageBoxes() {
    for (const QPointer<QMessageBox>& box : m_open) {
        if (box) {
            box->disconnect();
            delete box;
        }
    }
}

void QtMessageBoxes::show(const std::string& text, Icon icon, std::function<void()> closed) {
    m_open.removeAll(nullptr);
    auto* box = new QMessageBox(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                                QStringLiteral("Lumo"), displayText(text), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText); // the text may carry a server's reply
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] {
        if (closed) {
            closed();
        }
    });
    m_open.append(box);
    box->open();
}

} // namespace lumo
