#include "catalogue/FileIO.h"
#include "catalogue/StationRecord.h"

#include "catalogue/BuiltInStation.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/PlayerWindowLink.h"
#include "media/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/UrlOpener.h"

namespace lumo {

namespace {

constexpr const char* kDefaultStationFile = "\\DEFAULT";
constexpr const char* kViewerPreferenceFile = "\\DEFAULTVIEWER";

} // namespace

FILEIO::FILEIO(ProgramState& state, const AppFolder& folder, MediaPlayer& player, UrlOpener& shell,
               MessageBoxes& messages, PlayerWindowLink& window)
    : m_state(state), m_folder(folder), m_player(player), m_shell(shell), m_messages(messages),
      m_window(window) {}

void FILEIO::openInDefaultViewer(const std::string& streamUrl) {
    m_shell.open(streamUrl);
}

void FILEIO::LoadDefaultStation(bool play) {
    const auto bytes = readWholeFile(m_folder.resolve(kDefaultStationFile));
    std::optional<Station> station;
    if (bytes) {
        FieldReader reader(*bytes);
        station = readStation(reader);
    }
    const bool usable =
        station && !station->name.empty() && !station->kind.empty() && !station->streamUrl.empty();
    if (!play) {
        if (usable) {
            m_window.setDefaultStationCaption(station->name);
            m_state.defaultStationName = station->name;
        }
        return;
    }
    if (!usable) {
        playBuiltInStation();
        return;
    }
    m_state.CurrentStation = *station;
    // The stream is asked for first: the caption's text is laid out while it connects.
    if (m_state.useDefaultViewer != 0) {
        openInDefaultViewer(station->streamUrl);
    } else {
        m_player.setURL(station->streamUrl);
    }
    m_window.setDefaultStationCaption(station->name);
    m_state.shownStationName = station->name;
    m_state.defaultStationName = station->name;
}

// Always the hosted player, whatever the viewer preference says. The default-station label
// and defaultStationName stay as they were.
void FILEIO::playBuiltInStation() {
    m_player.setURL(kBuiltInStreamUrl);
    m_state.CurrentStation = builtInStation();
    m_state.shownStationName = kBuiltInStationName;
}

bool FILEIO::writeDefaultStationFile() {
    const Station& s = m_state.CurrentStation;
    FieldWriter record;
    writeStation(record, s);
    return replaceFileAtomically(m_folder.resolve(kDefaultStationFile), record.bytes());
}

void FILEIO::SaveDefaultStation() {
    const Station& s = m_state.CurrentStation;
    if (!writeDefaultStationFile()) {
        m_messages.show(QT_TRANSLATE_NOOP("lumo::Messages", "Set Default Failed"),
                        MessageBoxes::Icon::Stop);
        return;
    }
    m_window.hidePlayerWindow();
    m_state.defaultStationName = s.name;
    m_messages.show(QT_TRANSLATE_NOOP("lumo::Messages", "Default Station Set"),
                    MessageBoxes::Icon::None, [this] { m_window.showPlayerWindow(); });
}

void FILEIO::LoadViewerPreference() {
    const auto bytes = readWholeFile(m_folder.resolve(kViewerPreferenceFile));
    if (!bytes) {
        return;
    }
    FieldReader reader(*bytes);
    if (const auto value = reader.nextNumber()) {
        // Only 0 and 1 are ever written; anything else edited in by hand means "default viewer".
        m_state.useDefaultViewer = *value == 0 ? 0 : 1;
    }
}

void FILEIO::SaveViewerPreference() {
    FieldWriter record;
    record.number(m_state.useDefaultViewer).endRecord();
    if (!replaceFileAtomically(m_folder.resolve(kViewerPreferenceFile), record.bytes())) {
        m_messages.show(QT_TRANSLATE_NOOP("lumo::Messages", "Set Default Viewer Failed"),
                        MessageBoxes::Icon::Stop);
    }
}

} // namespace lumo
