#pragma once

#include "platform/AppFolder.h"
#include "state/ProgramState.h"

namespace lumo {

class MediaPlayer;
class MessageBoxes;
class PlayerWindowLink;
class UrlOpener;

// The default station file "\DEFAULT" and the viewer preference file "\DEFAULTVIEWER".
// The operations work on the program state and report their own failures.
class FILEIO {
public:
    FILEIO(ProgramState& state, const AppFolder& folder, MediaPlayer& player, UrlOpener& shell,
           MessageBoxes& messages, PlayerWindowLink& window);

    // Fills CurrentStation from the default file and starts its stream; with no usable file,
    // the built-in station plays in the hosted player. Never reports anything.
    void LoadDefaultStation();
    // Writes CurrentStation as the default and confirms, or reports "Set Default Failed".
    void SaveDefaultStation();
    // Sets useDefaultViewer from the preference file; any failure leaves it as it was.
    void LoadViewerPreference();
    // Writes useDefaultViewer, or reports "Set Default Viewer Failed".
    void SaveViewerPreference();

    // Hands a stream to the desktop's default viewer.
    void openInDefaultViewer(const std::string& streamUrl);

private:
    void playBuiltInStation();

    ProgramState& m_state;
    const AppFolder& m_folder;
    MediaPlayer& m_player;
    UrlOpener& m_shell;
    MessageBoxes& m_messages;
    PlayerWindowLink& m_window;
};

} // namespace lumo
