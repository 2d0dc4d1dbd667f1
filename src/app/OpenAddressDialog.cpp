#include "app/OpenAddressDialog.h"

#include "platform/SkinStyle.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumo {

OpenAddressDialog::OpenAddressDialog(Actions actions, QWidget* parent)
    : QDialog(parent), m_actions(std::move(actions)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QLatin1String(kSkinDialogStyle));
    setWindowTitle(tr("Open Address"));

    auto* label = new QLabel(tr("Address"));
    address = new QLineEdit;
    address->setAccessibleName(tr("Address"));
    address->setPlaceholderText(QStringLiteral("https://"));
    address->setText(networkAddressOf(QGuiApplication::clipboard()->text()));
    address->selectAll();
    label->setBuddy(address);

    problem = new QLabel;
    problem->setObjectName(QStringLiteral("problem"));
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    problem->setAccessibleName(tr("Problem"));
    problem->hide();

    auto* buttons = new QDialogButtonBox;
    playButton = buttons->addButton(tr("Play"), QDialogButtonBox::AcceptRole);
    keepButton = buttons->addButton(tr("Add to My Stations"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    playButton->setDefault(true);
    connect(playButton, &QPushButton::clicked, this, [this] { take(false); });
    connect(keepButton, &QPushButton::clicked, this, [this] { take(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(address);
    layout->addWidget(problem);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

// A playlist file is read off the window's thread; the window waits for it with its buttons
// off, and closing it drops the answer.
void OpenAddressDialog::take(bool keep) {
    playButton->setEnabled(false);
    keepButton->setEnabled(false);
    readGivenStationLater(address->text(), this, [this, keep](GivenStation station) {
        playButton->setEnabled(true);
        keepButton->setEnabled(true);
        if (station.refused()) {
            problem->setText(QString::fromStdString(station.refusal));
            problem->show();
            address->setFocus();
            return;
        }
        const auto& action = keep ? m_actions.keep : m_actions.play;
        if (action) {
            action(station);
        }
        accept();
    });
}

} // namespace lumo
