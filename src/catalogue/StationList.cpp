// The station list operations of FILEIO: the chooser's genre box and station list, and
// loading a station by name.
#include "catalogue/ChooserView.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/FileIO.h"
#include "catalogue/MyStations.h"
#include "catalogue/PlayerWindowLink.h"
#include "catalogue/StationRecord.h"
#include "media/MediaPlayer.h"
#include "platform/MessageBoxes.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

namespace lumo {

namespace {

constexpr const char* kStationListFile = "\\Lumo.csv";
constexpr const char* kOwnStationsFile = "\\MYSTATIONS";

} // namespace

std::optional<std::string> readCatalogue(const std::filesystem::path& listFile,
                                         const std::filesystem::path& ownFile) {
    auto list = readWholeFile(listFile);
    std::string own = MyStations::listText(ownFile);
    if (!list && own.empty()) {
        return std::nullopt;
    }
    return own + list.value_or(std::string());
}

std::optional<std::string> FILEIO::readStationList() const {
    return readCatalogue(stationListFile(), ownStationsFile());
}

void FILEIO::FillGenreList(ChooserView& chooser) {
    std::error_code ec;
    const auto length = std::filesystem::file_size(stationListFile(), ec);
    if ((ec || length == 0) && MyStations::listText(ownStationsFile()).empty()) {
        m_messages.show(
            QT_TRANSLATE_NOOP("lumo::Messages", "No Station file, download the station file first"),
            MessageBoxes::Icon::Stop, [this] {
                m_window.showPlayerWindow();
                m_window.startChooserClosing(1000);
            });
        return;
    }
    for (const std::string& genre : genres(m_state.CurrentStation.kind)) {
        if (m_state.preselectGenre.empty()) {
            m_state.preselectGenre = genre;
        }
        chooser.addGenre(genre);
    }
    if (!m_state.preselectGenre.empty()) {
        chooser.setGenreText(m_state.preselectGenre);
    }
    m_state.selectedGenre = chooser.genreText();
    FillStationList(chooser);
    chooser.showChooser();
}

void FILEIO::FillStationList(ChooserView& chooser) {
    chooser.clearStations();
    const auto text = readStationList();
    if (!text) {
        return;
    }
    FieldReader reader(*text);
    std::unordered_set<std::string> listed; // an own copy of a listed station stands for it
    while (const auto record = readStationRecord(reader)) {
        if (record->kind == m_state.CurrentStation.kind && record->complete() &&
            record->genre == m_state.selectedGenre && listed.insert(record->name).second) {
            chooser.addStation(record->name);
        }
    }
}

// Reads record after record into recordKind, recordGenre and the current station until one
// matches; with none, the station's name, page and stream are left empty.
template <typename Matches> bool FILEIO::findStation(Matches matches) {
    m_state.shownStationName.clear();
    m_state.CurrentStation.webPage.clear();
    if (const auto text = readStationList()) {
        FieldReader reader(*text);
        while (const auto record = readStationRecord(reader)) {
            m_state.recordKind = record->kind;
            m_state.recordGenre = record->genre;
            Station& current = m_state.CurrentStation;
            current.name = record->name;
            current.webPage = record->webPage;
            current.streamUrl = record->streamUrl;
            current.liveFeedUrl = record->liveFeedUrl;
            if (matches(*record)) {
                return true;
            }
        }
    }
    forgetStation();
    return false;
}

void FILEIO::forgetStation() {
    m_state.recordKind.clear();
    m_state.recordGenre.clear();
    m_state.CurrentStation.name.clear();
    m_state.CurrentStation.webPage.clear();
    m_state.CurrentStation.streamUrl.clear();
}

void FILEIO::LoadChosenStation() {
    const bool found = findStation([this](const StationRecord& record) {
        return record.kind == m_state.CurrentStation.kind && record.complete() &&
               record.name == m_state.chosenStationName;
    });
    if (!found) {
        return;
    }
    startChosen();
}

void FILEIO::LoadStation(const Station& station) {
    m_state.CurrentStation = station;
    m_state.recordKind = station.kind;
    m_state.recordGenre.clear();
    startChosen();
}

void FILEIO::startChosen() {
    const Station& station = m_state.CurrentStation;
    m_state.shownStationName = station.name;
    m_player.stop();
    if (m_state.useDefaultViewer == 0) {
        m_player.setURL(station.streamUrl);
        m_player.setStretchToFit(true);
    } else {
        m_player.setURL("");
        openInDefaultViewer(station.streamUrl);
    }
}

std::vector<std::string> FILEIO::stationNames(const std::string& kind) const {
    const auto text = readStationList();
    return text ? stationNamesOf(*text, kind) : std::vector<std::string>{};
}

std::filesystem::path FILEIO::stationListFile() const {
    return m_folder.resolve(kStationListFile);
}

std::vector<std::string> FILEIO::genres(const std::string& kind) const {
    std::vector<std::string> found = genresOf(readWholeFile(stationListFile()).value_or(""), kind);
    for (std::string& genre : genresOf(MyStations::listText(ownStationsFile()), kind)) {
        if (std::ranges::find(found, genre) == found.end()) {
            found.push_back(std::move(genre));
        }
    }
    return found;
}

std::filesystem::path FILEIO::ownStationsFile() const {
    return m_folder.resolve(kOwnStationsFile);
}

std::optional<StationRecord> FILEIO::catalogueRecord(const std::string& kind,
                                                     const std::string& name) const {
    if (const auto text = readStationList()) {
        FieldReader reader(*text);
        while (auto record = readStationRecord(reader)) {
            if (record->kind == kind && record->complete() && record->name == name) {
                return std::move(*record);
            }
        }
    }
    return std::nullopt;
}

std::optional<Station> FILEIO::stationRecord(const std::string& kind,
                                             const std::string& name) const {
    const auto r = catalogueRecord(kind, name);
    return r ? std::optional(Station{r->kind, r->name, r->webPage, r->streamUrl, r->liveFeedUrl})
             : std::nullopt;
}

void FILEIO::ReturnToDefaultStation() {
    // The default file holds the name as the writer wrote it (a double quote as a single one).
    const bool found = findStation([this](const StationRecord& record) {
        return FieldWriter::asWritten(record.name) ==
               FieldWriter::asWritten(m_state.defaultStationName);
    });
    if (!found) {
        return;
    }
    const Station& station = m_state.CurrentStation;
    if (m_state.useDefaultViewer != 0) {
        openInDefaultViewer(station.streamUrl);
    } else {
        m_player.setURL(station.streamUrl);
        m_player.setStretchToFit(true);
    }
    m_state.shownStationName = station.name;
    m_player.play();
    m_player.setStretchToFit(true);
}

} // namespace lumo
