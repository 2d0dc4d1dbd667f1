#include "chooser/Stations.h"

#include "catalogue/Favourites.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FileIO.h"
#include "catalogue/MyStations.h"
#include "catalogue/StationInfo.h"
#include "catalogue/StationRecord.h"
#include "chooser/ChooserHost.h"
#include "chooser/GenreNames.h"
#include "chooser/RowLogos.h"
#include "chooser/StationEditor.h"
#include "media/MediaPlayer.h"
#include "platform/AppFolder.h"
#include "platform/Artwork.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/OnTop.h"
#include "platform/PlainText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QThreadPool>
#include <filesystem>

namespace lumo {

namespace {

constexpr int kTwipsPerPixel = 15;
QRect twips(int left, int top, int width, int height) {
    auto px = [](int t) { return (t + kTwipsPerPixel / 2) / kTwipsPerPixel; };
    return {px(left), px(top), px(width), px(height)};
}

const char* const kStyle = R"(
    QWidget#Stations { background: black; }
    QWidget { font-family: Arial; font-size: 11px; }
    QCheckBox, QComboBox, QLabel { color: rgb(192, 255, 192); }
    QListWidget { color: rgb(0, 192, 0); background: black; border: 1px solid rgb(0, 96, 0); }
    QListWidget::item:selected { background: rgb(0, 96, 0); color: rgb(192, 255, 192); }
    QComboBox { background: rgb(16, 32, 16); border: 1px solid rgb(0, 96, 0); }
    QComboBox QAbstractItemView { color: rgb(192, 255, 192); background: rgb(16, 32, 16); }
)";

} // namespace

Stations::Stations(ProgramState& state, const AppFolder& folder, ChooserHost& host)
    : QWidget(nullptr, Qt::Window), m_state(state), m_folder(folder), m_host(host) {
    setObjectName(QStringLiteral("Stations"));
    setWindowTitle(tr("Lumo Stations List"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(0, 0, 3465, 6675).size());
    setStyleSheet(QLatin1String(kStyle)); // Arial: Liberation Sans where Arial is missing
    buildControls();
    m_rowLogos = new RowLogos(*List1, host.logos(), [this](const QString& name) {
        return m_search.logo(name.toStdString());
    });
}

Stations::~Stations() = default;

void Stations::buildControls() {
    Check3 = new QCheckBox(tr("Use LUMO to play content"), this);
    Check3->setGeometry(twips(120, 120, 2295, 255));
    Check1 = new QCheckBox(tr("Television"), this);
    Check1->setGeometry(twips(120, 480, 1215, 255));
    Check2 = new QCheckBox(tr("Radio"), this);
    Check2->setGeometry(twips(120, 840, 1575, 255));
    Image5 = new ClickLabel(this);
    Image5->setGeometry(twips(3000, 120, 405, 390));
    Image5->setPixmap(artwork("update_stations"));
    Image5->setToolTip(tr("Update Stations listings"));
    Image5->setCursor(Qt::PointingHandCursor);
    Image23 = new ClickLabel(this);
    Image23->setGeometry(twips(3000, 720, 405, 390));
    Image23->setPixmap(artwork("set_default"));
    Image23->setToolTip(tr("Set this Station as the Default"));
    Image23->setCursor(Qt::PointingHandCursor);
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(twips(120, 1200, 3255, 330));
    Combo1->setEditable(true); // a drop-down combo whose text the program sets
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setEditText(placeholder());
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    Label1 = new QLabel(tr("No Default Station Set"), this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(twips(120, 1680, 3255, 255));
    // The search field takes the top of the list's place.
    Search = new QLineEdit(this);
    Search->setGeometry(twips(120, 2040, 3255, 300));
    Search->setPlaceholderText(tr("Search stations"));
    Search->setClearButtonEnabled(true);
    Search->setAccessibleName(tr("Search stations"));
    Search->installEventFilter(this);
    List1 = new QListWidget(this);
    List1->setGeometry(twips(120, 2400, 3255, 4110));
    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    List1->setToolTip(tr("Double Click to load Channel"));
    List1->installEventFilter(this);
    Image5->setButton(tr("Update stations"));
    Image23->setButton(tr("Set as default station"));
    Image5->setFocusPolicy(Qt::TabFocus);
    Image23->setFocusPolicy(Qt::TabFocus);
    Combo1->setAccessibleName(tr("Genre"));
    List1->setAccessibleName(tr("Stations"));
    Label1->setAccessibleDescription(tr("Default station"));

    connect(Check1, &QCheckBox::clicked, this, [this] { kindBoxReleased(true); });
    connect(Check2, &QCheckBox::clicked, this, [this] { kindBoxReleased(false); });
    connect(Check3, &QCheckBox::clicked, this, &Stations::viewerBoxReleased);
    connect(Combo1, &QComboBox::activated, this, &Stations::genreChosen);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Stations::stationDoubleClicked);
    connect(Image23, &ClickLabel::clicked, this, &Stations::setDefaultClicked);
    connect(Image5, &ClickLabel::clicked, this, &Stations::updateClicked);
    connect(Search, &QLineEdit::textChanged, this, &Stations::searchChanged);
    connect(List1, &QListWidget::customContextMenuRequested, this,
            [this](QPoint at) { openStationMenu(List1->viewport()->mapToGlobal(at)); });
}

void Stations::load() {
    setElidedText(*Label1, displayText(m_state.defaultStationName));
    Check3->setChecked(m_state.useDefaultViewer == 0);
    hide();
    move(m_host.playerWindowPosition());
    m_host.hidePlayerWindow();
    std::string& kind = m_state.CurrentStation.kind;
    if (kind.empty()) {
        kind = "RADIO";
    }
    if (kind == "RADIO" || kind == "TV") {
        Check1->setChecked(kind == "TV");
        Check2->setChecked(kind == "RADIO");
    }
    m_state.selectedGenre.clear();
    resetBoxes();
    fillGenres();
    m_host.fileIO().LoadDefaultStation();
    alignKindWithCurrentStation();
    if (m_state.liveFeedOn == 1) {
        m_host.PauseLiveFeed();
    }
    show();
    if (isVisible() && m_host.playerStaysOnTop()) {
        ONTOP::SetOnTop(*this, ONTOP::kTrue);
    }
    Search->setFocus();
}

// The genres of the kind shown, the favourites first, and the stations to search.
void Stations::fillGenres() {
    Search->clear();
    m_host.fileIO().FillGenreList(*this);
    Combo1->insertItem(0, tr("Favourites"), QLatin1String(kFavourites));
    Combo1->insertItem(1, tr("My Stations"), QLatin1String(kMyStations));
    if (m_state.selectedGenre == kFavourites || m_state.selectedGenre == kMyStations) {
        relist();
    }
    indexStations();
}

void Stations::indexStations() {
    const std::uint64_t round = ++m_indexRound;
    QPointer<Stations> self(this);
    QThreadPool::globalInstance()->start([self, round, file = m_host.fileIO().stationListFile(),
                                          own = m_host.fileIO().ownStationsFile(),
                                          kind = m_state.CurrentStation.kind] {
        const auto text = readCatalogue(file, own);
        std::vector<StationSearch::Entry> stations;
        if (text) {
            FieldReader reader(*text);
            while (const auto record = readStationRecord(reader)) {
                if (record->kind == kind && record->complete()) {
                    stations.push_back({record->name, record->streamUrl});
                }
            }
        }
        // What the directory said of its stations, when the list came from it.
        const auto info = readWholeFile(file.parent_path() / kStationInfoFile);
        auto index = std::make_shared<StationSearch::Index>(
            StationSearch::index(stations, info ? readStationInfo(*info) : StationInfoIndex{}));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, round, index] {
                if (!self || round != self->m_indexRound) {
                    return; // the chooser went, or another kind is shown
                }
                self->m_search.setIndex(std::move(*index));
                self->m_indexed = round;
                self->m_rowLogos->setActive(self->m_search.hasLogos());
                self->m_rowLogos->rowsChanged();
                for (int row = 0; row < self->List1->count(); ++row) {
                    self->showTip(*self->List1->item(row));
                }
                if (!self->Search->text().trimmed().isEmpty()) {
                    self->searchChanged(self->Search->text());
                }
            },
            Qt::QueuedConnection);
    });
}

bool Stations::listingFavourites() const {
    return Search->text().isEmpty() && m_state.selectedGenre == kFavourites;
}

// The selected genre's stations, as choosing it lists them.
void Stations::relist() {
    if (m_state.selectedGenre == kFavourites) {
        listFavourites();
    } else if (m_state.selectedGenre == kMyStations) {
        listMyStations();
    } else if (!m_state.selectedGenre.empty()) {
        m_host.fileIO().FillStationList(*this);
    } else {
        List1->clear();
    }
}

void Stations::listMyStations() {
    List1->clear();
    for (const StationRecord& station : m_host.myStations().ofKind(m_state.CurrentStation.kind)) {
        addStation(station.name);
    }
}

void Stations::listFavourites() {
    List1->clear();
    for (const Station& station : m_host.favourites().ofKind(m_state.CurrentStation.kind)) {
        addStation(station.name);
    }
}

void Stations::searchChanged(const QString& text) {
    if (text.trimmed().isEmpty()) {
        relist(); // back to the genre's list, as it was
        return;
    }
    List1->clear();
    for (const std::string& name : m_search.find(text, kMostMatches)) {
        addStation(name);
    }
    if (List1->count() > 0) {
        List1->setCurrentRow(0);
    }
}

// Down goes into the list, Return plays the selected match, Escape clears the field and then
// closes the chooser.
bool Stations::searchKey(QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Down:
        List1->setFocus();
        if (List1->currentRow() < 0 && List1->count() > 0) {
            List1->setCurrentRow(0);
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (List1->currentRow() < 0 && List1->count() > 0) {
            List1->setCurrentRow(0);
        }
        stationDoubleClicked();
        return true;
    case Qt::Key_Escape:
        if (!Search->text().isEmpty()) {
            Search->clear();
        } else {
            close();
        }
        return true;
    default:
        return false;
    }
}

QMenu* Stations::openStationMenu(QPoint where) {
    const std::string kind = m_state.CurrentStation.kind;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto item = [&](const QString& text, auto run) {
        connect(menu->addAction(text), &QAction::triggered, this, run);
    };
    if (const QListWidgetItem* selected = List1->currentItem(); selected != nullptr) {
        const std::string name = selected->text().toStdString();
        if (m_host.favourites().contains(kind, name)) {
            item(tr("Remove from Favourites"), [this, kind, name] {
                if (!m_host.favourites().remove(kind, name)) {
                    m_host.messages().show(kFavouritesNotSaved, MessageBoxes::Icon::Stop);
                } else if (listingFavourites()) {
                    listFavourites();
                }
            });
        } else {
            item(tr("Add to Favourites"), [this, kind, name] {
                const auto station = m_host.fileIO().stationRecord(kind, name);
                if (station && !m_host.favourites().add(*station)) {
                    m_host.messages().show(kFavouritesNotSaved, MessageBoxes::Icon::Stop);
                }
            });
        }
        menu->addSeparator();
        if (const auto own = m_host.myStations().find(kind, name)) {
            item(tr("Edit Station..."), [this, own] { openStationEditor(*own); });
            item(tr("Remove Station"), [this, kind, name] { removeOwnStation(kind, name); });
        } else if (const auto listed = m_host.fileIO().catalogueRecord(kind, name)) {
            item(tr("Copy to My Stations..."), [this, listed] { openStationEditor(*listed); });
        }
    }
    item(tr("Add Station..."), [this, kind] {
        StationRecord fresh;
        fresh.kind = kind;
        if (m_state.selectedGenre != kFavourites && m_state.selectedGenre != kMyStations) {
            fresh.genre = m_state.selectedGenre;
        }
        openStationEditor(fresh);
    });
    menu->popup(where);
    return menu;
}

StationEditor* Stations::openStationEditor(const StationRecord& station) {
    auto* editor = new StationEditor(station, m_host.fileIO().genres(station.kind),
                                     m_host.myStations(), m_host.messages(), this);
    editor->kept = [this, kind = station.kind, name = station.name](const StationRecord& kept) {
        m_host.ownStationChanged(kept, kind, name);
        const std::string genre = m_state.selectedGenre;
        resetBoxes();
        m_state.preselectGenre = genre;
        fillGenres();
    };
    editor->open();
    return editor;
}

void Stations::removeOwnStation(const std::string& kind, const std::string& name) {
    if (!m_host.myStations().remove(kind, name)) {
        m_host.messages().show(kMyStationsNotSaved, MessageBoxes::Icon::Stop);
        return;
    }
    if (Search->text().trimmed().isEmpty()) {
        relist();
    }
    indexStations(); // a search under way is answered again
}

// The default station may be of the other kind than the one listed: list its kind, so that a
// double-click finds what is shown.
void Stations::alignKindWithCurrentStation() {
    const std::string& kind = m_state.CurrentStation.kind;
    const std::string shown = Check1->isChecked() ? "TV" : (Check2->isChecked() ? "RADIO" : "");
    std::error_code ec;
    const bool haveList = std::filesystem::file_size(m_folder.resolve("\\Lumo.csv"), ec) > 0 && !ec;
    if ((kind == "RADIO" || kind == "TV") && kind != shown && haveList) {
        kindBoxReleased(kind == "TV");
    }
}

void Stations::resetBoxes() {
    List1->clear();
    Combo1->clear();
    Combo1->setEditText(placeholder());
}

void Stations::kindBoxReleased(bool television) {
    List1->clear();
    Combo1->clear();
    Check1->setChecked(television);
    Check2->setChecked(!television);
    m_state.selectedGenre.clear();
    m_state.preselectGenre.clear();
    resetBoxes();
    m_state.CurrentStation.kind = television ? "TV" : "RADIO";
    fillGenres();
}

void Stations::viewerBoxReleased() {
    if (Check3->isChecked()) {
        m_state.useDefaultViewer = 0;
        m_host.setStatusTimerInterval(500);
    } else {
        m_state.useDefaultViewer = 1;
        m_host.setStatusTimerInterval(0);
    }
    m_host.fileIO().SaveViewerPreference();
    if (m_state.useDefaultViewer == 1) {
        m_host.media().setURL("");
    }
}

void Stations::genreChosen() {
    const std::string text = genreText();
    if (text.empty() || text == kPlaceholder) {
        return;
    }
    m_state.selectedGenre = text;
    m_state.preselectGenre = text;
    Search->clear();
    relist();
    List1->setFocus();
}

// Typing into the genre box is not possible: a key only empties its text.
bool Stations::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Combo1 || watched == Combo1->lineEdit()) &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        // Typing only clears the text; moving through the genres (the arrows, the page keys,
        // opening the list) is how the keyboard chooses one.
        const bool choosing = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                              key == Qt::Key_PageDown || key == Qt::Key_Home ||
                              key == Qt::Key_End || key == Qt::Key_F4;
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab && !choosing) {
            Combo1->setEditText(QString());
            return true;
        }
    }
    if (watched == Search && event->type() == QEvent::KeyPress) {
        return searchKey(static_cast<QKeyEvent*>(event)) || QWidget::eventFilter(watched, event);
    }
    // Return plays the selected station, as a double click does; Escape goes back to the
    // search field.
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            stationDoubleClicked();
            return true;
        }
        if (key == Qt::Key_Escape) {
            Search->setFocus();
            return searchKey(static_cast<QKeyEvent*>(event));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Stations::stationDoubleClicked() {
    const QListWidgetItem* item = List1->currentItem();
    if (item == nullptr || item->text().isEmpty()) {
        return;
    }
    m_state.chosenStationName = item->text().toStdString();
    if (listingFavourites()) {
        // A favourite plays from its own record, listed or not.
        for (const Station& station : m_host.favourites().ofKind(m_state.CurrentStation.kind)) {
            if (station.name == m_state.chosenStationName) {
                m_host.fileIO().LoadStation(station);
                break;
            }
        }
    } else {
        m_host.fileIO().LoadChosenStation();
    }
    m_state.reconnectState = kReconnectAllowed;
    m_state.streamReached = kStreamNotReached;
    if (m_state.useDefaultViewer == 1) {
        return;
    }
    m_host.AwaitLiveFeed();
    m_host.media().setStretchToFit(true);
    m_host.startChooserClosing(10);
}

void Stations::setDefaultClicked() {
    if (!m_host.fileIO().writeDefaultStationFile()) {
        m_host.messages().show(QT_TRANSLATE_NOOP("lumo::Messages", "Set Default Failed"),
                               MessageBoxes::Icon::Stop);
        return;
    }
    hide();
    m_state.defaultStationName = m_state.CurrentStation.name;
    setElidedText(*Label1, displayText(m_state.defaultStationName));
    show();
}

void Stations::updateClicked() {
    hide();
    m_host.updateStationList([self = QPointer<Stations>(this)] {
        if (self) {
            self->m_host.hidePlayerWindow();
            self->show();
            self->indexStations();
        }
    });
}

void Stations::closeEvent(QCloseEvent* event) {
    m_host.showPlayerWindow();
    event->accept();
    if (m_state.useDefaultViewer == 1) {
        // The chooser is the main window in default-viewer mode.
        m_host.endProgram();
    }
}

void Stations::addGenre(const std::string& genre) {
    if (genre == kFavourites || genre == kMyStations) {
        return; // the box's own entries
    }
    const QString name = displayText(genre);
    Combo1->addItem(shownGenre(name), name); // the genre as the list names it, as data
}

QString Stations::placeholder() {
    return tr(kPlaceholder);
}

std::string Stations::genreText() const {
    const QString text = Combo1->currentText();
    const int index = Combo1->currentIndex();
    if (index >= 0 && Combo1->itemText(index) == text) {
        return Combo1->itemData(index).toString().toStdString();
    }
    return text == placeholder() ? std::string(kPlaceholder) : text.toStdString();
}

void Stations::setGenreText(const std::string& text) {
    const QString genre = displayText(text);
    const int index = Combo1->findData(genre);
    if (index >= 0) {
        Combo1->setCurrentIndex(index);
    }
    Combo1->setEditText(text == kPlaceholder ? placeholder()
                        : index >= 0         ? Combo1->itemText(index)
                                             : genre);
}

void Stations::clearStations() {
    List1->clear();
    m_rowLogos->rowsChanged();
}

void Stations::addStation(const std::string& name) {
    auto* item = new QListWidgetItem(displayText(name), List1);
    showTip(*item);
    m_rowLogos->placeholder(*item);
    m_rowLogos->rowsChanged();
}

// What the directory says of the station, as plain text (a tooltip would take markup for
// rich text).
void Stations::showTip(QListWidgetItem& item) const {
    const QString tip = m_search.tip(item.text().toStdString());
    item.setToolTip(
        tip.isEmpty()
            ? QString()
            : QStringLiteral("<p style='white-space:pre'>%1</p>").arg(tip.toHtmlEscaped()));
}

} // namespace lumo
