#pragma once

#include "catalogue/ChooserView.h"
#include "chooser/StationSearch.h"
#include "platform/AppFolder.h"
#include "state/ProgramState.h"

#include <QWidget>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;

namespace lumo {

class ChooserHost;
class ClickLabel;
class RowLogos;
class StationEditor;
struct StationRecord;

// The station chooser: the catalogue by kind and genre, double-click to play, the default
// station, the viewer preference and the station list update.
class Stations : public QWidget, public ChooserView {
    Q_OBJECT
public:
    static constexpr const char* kPlaceholder =
        QT_TRANSLATE_NOOP("lumo::Stations", "<                   SELECT MUSIC               >");
    // The genre box's first entry: the favourites of the kind shown.
    static constexpr const char* kFavourites = "Favourites";
    // The genre box's second entry: the listener's own stations of the kind shown.
    static constexpr const char* kMyStations = "My Stations";
    // Most matches a search lists: typing more narrows them.
    static constexpr std::size_t kMostMatches = 200;

    Stations(ProgramState& state, const AppFolder& folder, ChooserHost& host);
    ~Stations() override;

    // The window's load: fills the boxes, restarts the default station and shows itself.
    void load();

    // ChooserView
    void addGenre(const std::string& genre) override;
    std::string genreText() const override;
    void setGenreText(const std::string& text) override;
    void clearStations() override;
    void addStation(const std::string& name) override;
    void showTip(QListWidgetItem& item) const;
    void showChooser() override { show(); }

    // Handlers, as the controls run them.
    void kindBoxReleased(bool television);
    void viewerBoxReleased();
    void genreChosen();
    void stationDoubleClicked();
    void setDefaultClicked();
    void updateClicked();

    QCheckBox* Check3 = nullptr;   // "Use LUMO to play content"
    QCheckBox* Check1 = nullptr;   // "Television"
    QCheckBox* Check2 = nullptr;   // "Radio"
    ClickLabel* Image5 = nullptr;  // update
    ClickLabel* Image23 = nullptr; // set default
    QComboBox* Combo1 = nullptr;   // genres
    QLabel* Label1 = nullptr;      // default station
    QListWidget* List1 = nullptr;
    QLineEdit* Search = nullptr; // finds stations of the kind by name, across genres

    // The station list's menu for the selected station (add to or remove from the
    // favourites, add, copy, edit or remove an own station), opened at `where` (screen
    // coordinates); it deletes itself on closing.
    QMenu* openStationMenu(QPoint where);
    // The window for an own station: `station` to edit (or to copy, when it is not an own
    // station), or an empty one to add. It deletes itself on closing.
    StationEditor* openStationEditor(const StationRecord& station);
    // The stations of the kind shown have been read for finding by name (that is done off the
    // window's thread; a search typed before it is done is answered when it is).
    bool searchReady() const { return m_indexed == m_indexRound; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString placeholder();
    void buildControls();
    void resetBoxes();
    void alignKindWithCurrentStation();
    void fillGenres();
    void listFavourites();
    void listMyStations();
    void relist();
    void removeOwnStation(const std::string& kind, const std::string& name);
    void indexStations();
    void searchChanged(const QString& text);
    bool searchKey(QKeyEvent* key);
    bool listingFavourites() const;

    ProgramState& m_state;
    const AppFolder& m_folder;
    ChooserHost& m_host;
    bool m_ending = false;
    StationSearch m_search;
    RowLogos* m_rowLogos = nullptr; // the list's
    std::uint64_t m_indexRound = 0; // the index asked for last
    std::uint64_t m_indexed = 0;    // the index in m_search
};

} // namespace lumo
