#pragma once

#include "catalogue/StationRecord.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace lumo {

class MessageBoxes;
class MyStations;

// What is wrong with a station as the listener filled it in, if anything: a name, and a
// network address for its stream; the web page and the live-feed picture may be left empty
// (they are kept as "NONE"), else they are network addresses too.
std::optional<QString> stationProblem(const StationRecord& station);

// The window for adding one of the listener's own stations or editing one: Name, Address,
// Kind, Genre (free text, offering the known genres), Web page and Live-feed picture. Saving
// keeps the station in place of the one it was opened with; a save that fails is reported and
// the window stays. It is opened window-modal and deletes itself on closing.
class StationEditor : public QDialog {
    Q_OBJECT
public:
    StationEditor(StationRecord station, const std::vector<std::string>& genres,
                  MyStations& stations, MessageBoxes& messages, QWidget* parent);

    // Runs with the station as kept, once it is.
    std::function<void(const StationRecord&)> kept;

    QLineEdit* name = nullptr;
    QLineEdit* address = nullptr;
    QComboBox* kind = nullptr;
    QComboBox* genre = nullptr;
    QLineEdit* webPage = nullptr;
    QLineEdit* liveFeed = nullptr;
    QLabel* problem = nullptr;

    // The station as the fields hold it.
    StationRecord station() const;

    void accept() override;

private:
    StationRecord m_original;
    MyStations& m_stations;
    MessageBoxes& m_messages;
};

} // namespace lumo
