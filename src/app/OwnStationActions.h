#pragma once

#include "catalogue/StationRecord.h"

#include <QObject>
#include <string>

class QMenu;
class QMimeData;
class QWidget;

namespace lumo {

class FILEIO;
class MessageBoxes;
class MyStations;
class OpenAddressDialog;
class Playback;
class StationEditor;
struct GivenStation;
struct ProgramState;

// The listener's own ways to a station from the player window: an address opened ("Open
// Address...", Ctrl+L), pasted (Ctrl+V) or dropped, and the stations they keep (the player
// menu's Add, Edit and Remove Station for the station that plays).
class OwnStationActions : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ProgramState& state;
        Playback& playback;
        MyStations& myStations;
        FILEIO& fileIO;
        MessageBoxes& messages;
    };
    OwnStationActions(Parts parts, QWidget& window);

    OpenAddressDialog* openAddressDialog();
    void pasteAddress();
    // What a drop offers: its first address (a file as its path), or its text.
    void playDropped(const QMimeData& data);
    StationEditor* openStationEditor(const StationRecord& station);
    // A station of the listener's own was kept as `station` (it was `kind`/`name` before): the
    // station that plays follows it when it is the one.
    void stationChanged(const StationRecord& station, const std::string& kind,
                        const std::string& name);
    // The player menu's items.
    void addMenuItems(QMenu& menu);

private:
    void play(const GivenStation& station);
    StationRecord currentStation() const;

    Parts m_parts;
    QWidget& m_window;
};

} // namespace lumo
