#pragma once

#include "catalogue/StationRecord.h"
#include "platform/AppFolder.h"
#include "state/ProgramState.h"

#include <optional>
#include <string>
#include <vector>

namespace lumo {

class ChooserView;
class MediaPlayer;
class MessageBoxes;
class PlayerWindowLink;
class UrlOpener;

// The default station file "\DEFAULT" and the viewer preference file "\DEFAULTVIEWER".
// The operations work on the program state and report their own failures.
// The station list "\Lumo.csv" with the listener's own stations ("\MYSTATIONS") before it, as the
// station list operations read it (on any thread); nothing when there is neither.
std::optional<std::string> readCatalogue(const std::filesystem::path& listFile,
                                         const std::filesystem::path& ownFile);

class FILEIO {
public:
    FILEIO(ProgramState& state, const AppFolder& folder, MediaPlayer& player, UrlOpener& shell,
           MessageBoxes& messages, PlayerWindowLink& window);

    // Fills CurrentStation from the default file and starts its stream; with no usable file,
    // the built-in station plays in the hosted player. Never reports anything. With `play`
    // false only the default's name is taken (another station plays).
    void LoadDefaultStation(bool play = true);
    // Writes CurrentStation as the default and confirms, or reports "Set Default Failed".
    void SaveDefaultStation();
    // Sets useDefaultViewer from the preference file; any failure leaves it as it was.
    void LoadViewerPreference();
    // Writes useDefaultViewer, or reports "Set Default Viewer Failed".
    void SaveViewerPreference();

    // The station list file "\Lumo.csv", read from its first record each time, with the
    // listener's own stations: they are listed in their genres (a genre only they have comes
    // after the list's) and found first by name.
    // Offers the genres of the chooser's kind, picks one, lists its stations and shows the
    // chooser; with no station list, says so and has the chooser closed a second later.
    void FillGenreList(ChooserView& chooser);
    // The genres of `kind`: the list's in file order, then those only own stations have.
    std::vector<std::string> genres(const std::string& kind) const;
    // Lists the stations of the chooser's kind and selected genre, in file order.
    void FillStationList(ChooserView& chooser);
    // Starts the first station of the chooser's kind named chosenStationName.
    void LoadChosenStation();
    // Starts the first station named defaultStationName, of whatever kind.
    void ReturnToDefaultStation();
    // The names of the complete stations of `kind`, in file order (for finding by name).
    std::vector<std::string> stationNames(const std::string& kind) const;
    // Where the station list file is.
    std::filesystem::path stationListFile() const;
    // Where the listener's own stations are.
    std::filesystem::path ownStationsFile() const;
    // The first complete station of `kind` named `name`, as a record of its own.
    std::optional<Station> stationRecord(const std::string& kind, const std::string& name) const;
    // The same, as the station list holds it (with its genre).
    std::optional<StationRecord> catalogueRecord(const std::string& kind,
                                                 const std::string& name) const;
    // Starts `station` as a station chosen in the chooser starts (a favourite, which plays
    // from its own record whether or not the list still holds it).
    void LoadStation(const Station& station);

    // Writes CurrentStation to "\DEFAULT"; false when it could not be written.
    bool writeDefaultStationFile();

    // Sets advertLink to the address "\image2url.csv" lists for advertNumber (the first line
    // with that number), or to nothing.
    void ReadAdvertLink();

    // Hands a stream to the desktop's default viewer.
    void openInDefaultViewer(const std::string& streamUrl);

private:
    void playBuiltInStation();
    std::optional<std::string> readStationList() const;
    // Searches for the first record that `matches`, reading each into the current station.
    template <typename Matches> bool findStation(Matches matches);
    void forgetStation();
    // Plays the current station as one chosen in the chooser.
    void startChosen();

    ProgramState& m_state;
    const AppFolder& m_folder;
    MediaPlayer& m_player;
    UrlOpener& m_shell;
    MessageBoxes& m_messages;
    PlayerWindowLink& m_window;
};

} // namespace lumo
