#pragma once

#include "catalogue/ChooserView.h"
#include "platform/AppFolder.h"
#include "state/ProgramState.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace lumo {

class ChooserHost;
class ClickLabel;

// The station chooser: the catalogue by kind and genre, double-click to play, the default
// station, the viewer preference and the station list update.
class Stations : public QWidget, public ChooserView {
    Q_OBJECT
public:
    static constexpr const char* kPlaceholder = "<                   SELECT MUSIC               >";

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

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void resetBoxes();
    void alignKindWithCurrentStation();

    ProgramState& m_state;
    const AppFolder& m_folder;
    ChooserHost& m_host;
    bool m_ending = false;
};

} // namespace lumo
