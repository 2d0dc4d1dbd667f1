#pragma once

#include "Fakes.h"
#include "TempFolder.h"
#include "catalogue/FileIO.h"

namespace lumo::test {

// FILEIO on a temporary application folder, with recording fakes around it.
class FileIOFixture {
protected:
    TempFolder dir;
    AppFolder folder{dir.path()};
    ProgramState state;
    FakeMediaPlayer player;
    RecordingUrlOpener shell;
    RecordingMessageBoxes messages;
    RecordingWindowLink window;
    FILEIO io{state, folder, player, shell, messages, window};
};

} // namespace lumo::test
