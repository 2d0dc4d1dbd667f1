#include "platform/QtMessageBoxes.h"

#include "platform/PlainText.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace lumo {

namespace {

// A message is written in English where it arises, its texts marked for the "lumo::Messages"
// translations, and is put into the listener's language here, line by line: a line added
// below a described message (a count, a server's reply) is translated where it is made, or is
// not a text of ours.
QString translated(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QByteArray source = line.toUtf8();
        line = QCoreApplication::translate("lumo::Messages", source.constData());
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

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
    auto* box =
        new QMessageBox(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QStringLiteral("Lumo"), translated(displayText(text)), QMessageBox::Ok);
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
