#include "chooser/StationEditor.h"

#include "catalogue/FieldWriter.h"
#include "catalogue/MyStations.h"
#include "chooser/GenreNames.h"
#include "platform/MessageBoxes.h"
#include "platform/PlainText.h"
#include "platform/SkinStyle.h"
#include "platform/UrlOpener.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumo {

namespace {

constexpr const char* kNone = "NONE";

bool optionalAddress(const std::string& address) {
    return address == kNone || isNetworkAddress(address);
}

// A field as the station files keep it: one line, no double quote.
std::string fieldText(const QLineEdit* edit) {
    return FieldWriter::asWritten(edit->text().simplified().toStdString());
}

QString shown(const std::string& field) {
    return field == kNone ? QString() : displayText(field);
}

} // namespace

std::optional<QString> stationProblem(const StationRecord& station) {
    if (station.name.empty()) {
        return StationEditor::tr("The station needs a name.");
    }
    if (!isNetworkAddress(station.streamUrl)) {
        return StationEditor::tr(
            "The address must be a network address (http, https, mms, mmsh, rtsp or rtmp).");
    }
    if (!optionalAddress(station.webPage) || !optionalAddress(station.liveFeedUrl)) {
        return StationEditor::tr("The web page and the live-feed picture must be network "
                                 "addresses, or left empty.");
    }
    return std::nullopt;
}

StationEditor::StationEditor(StationRecord station, const std::vector<std::string>& genres,
                             MyStations& stations, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), m_original(std::move(station)), m_stations(stations), m_messages(messages) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(QLatin1String(kSkinDialogStyle));
    const bool own = m_stations.find(m_original.kind, m_original.name).has_value();
    setWindowTitle(own ? tr("Edit Station") : tr("Add Station"));

    auto* form = new QFormLayout;
    const auto field = [&](QWidget* input, const QString& label) {
        input->setAccessibleName(label);
        form->addRow(label, input);
    };
    name = new QLineEdit(displayText(m_original.name));
    field(name, tr("Name"));
    address = new QLineEdit(displayText(m_original.streamUrl));
    field(address, tr("Address"));
    kind = new QComboBox;
    kind->addItem(tr("Radio"), QStringLiteral("RADIO"));
    kind->addItem(tr("Television"), QStringLiteral("TV"));
    kind->setCurrentIndex(m_original.kind == "TV" ? 1 : 0);
    field(kind, tr("Kind"));
    genre = new QComboBox;
    genre->setEditable(true);
    genre->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& known : genres) {
        const QString listed = displayText(known);
        genre->addItem(shownGenre(listed), listed);
    }
    const int at = genre->findData(displayText(m_original.genre));
    genre->setEditText(at >= 0 ? genre->itemText(at) : displayText(m_original.genre));
    field(genre, tr("Genre"));
    webPage = new QLineEdit(shown(m_original.webPage));
    field(webPage, tr("Web page"));
    liveFeed = new QLineEdit(shown(m_original.liveFeedUrl));
    field(liveFeed, tr("Live-feed picture address"));

    problem = new QLabel;
    problem->setObjectName(QStringLiteral("problem"));
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    problem->setAccessibleName(tr("Problem"));
    problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &StationEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &StationEditor::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

StationRecord StationEditor::station() const {
    StationRecord s;
    s.kind = kind->currentData().toString().toStdString();
    QString chosen = genre->currentText().simplified();
    if (const int at = genre->findText(chosen); at >= 0) {
        chosen = genre->itemData(at).toString(); // a genre of the list, shown translated
    }
    s.genre = FieldWriter::asWritten(chosen.toStdString());
    if (s.genre.empty()) {
        s.genre = "Other";
    }
    s.name = fieldText(name);
    s.streamUrl = fieldText(address);
    s.webPage = fieldText(webPage);
    s.liveFeedUrl = fieldText(liveFeed);
    for (std::string* optional : {&s.webPage, &s.liveFeedUrl}) {
        if (optional->empty()) {
            *optional = kNone;
        }
    }
    return s;
}

void StationEditor::accept() {
    const StationRecord s = station();
    if (const auto why = stationProblem(s)) {
        problem->setText(*why);
        problem->show();
        return;
    }
    if (!m_stations.put(s, m_original.kind, m_original.name)) {
        m_messages.show(kMyStationsNotSaved, MessageBoxes::Icon::Stop);
        return;
    }
    if (kept) {
        kept(s);
    }
    QDialog::accept();
}

} // namespace lumo
