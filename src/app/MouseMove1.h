#pragma once

#include "playback/VolumeSteps.h"
#include "state/ProgramState.h"

class QWidget;

namespace lumo {

class ScreenCursor;

// Pointer-driven behaviour: the volume drag and the advert banner stepping aside.
namespace MOUSEMOVE1 {

// One tick of the volume drag: the pointer held below the press point lowers the volume,
// held more than 15 pixels above raises it, 5 to 15 above does nothing.
void VolumeDragStep(ProgramState& state, const ScreenCursor& cursor, VolumeSteps& volume);

// Hides the banner while the pointer is over it (its own rectangle on the screen), shows it
// (kept on top) elsewhere; does nothing while the pointer has not moved.
void BannerCursorCheck(ProgramState& state, const ScreenCursor& cursor, QWidget& banner);

} // namespace MOUSEMOVE1
} // namespace lumo
