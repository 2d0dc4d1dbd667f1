#include "app/MouseMove1.h"

#include "platform/OnTop.h"
#include "platform/ScreenCursor.h"

#include <QWidget>

namespace lumo::MOUSEMOVE1 {

namespace {

void readCursor(ProgramState& state, const ScreenCursor& cursor) {
    const QPoint at = cursor.position();
    state.cursorPos.x = at.x();
    state.cursorPos.y = at.y();
}

} // namespace

void VolumeDragStep(ProgramState& state, const ScreenCursor& cursor, VolumeSteps& volume) {
    readCursor(state, cursor);
    const std::int32_t y = state.cursorPos.y;
    if (state.volumeDragAnchorY == 0) {
        state.volumeDragAnchorY = static_cast<std::int16_t>(y);
    }
    if (y == state.volumeDragAnchorY) {
        return;
    }
    if (y + 5 > state.volumeDragAnchorY) {
        volume.DOWNVOL();
        return;
    }
    if (y < state.volumeDragAnchorY - 15) {
        volume.UPVOL();
    }
}

void BannerCursorCheck(ProgramState& state, const ScreenCursor& cursor, QWidget& banner) {
    readCursor(state, cursor);
    const auto x = static_cast<std::int16_t>(state.cursorPos.x);
    const std::int32_t y = state.cursorPos.y;
    if (x == state.lastBannerCursor.x && y == state.lastBannerCursor.y) {
        return;
    }
    state.lastBannerCursor.x = x;
    state.lastBannerCursor.y = y;
    // The banner's own rectangle, wherever the screen has put it.
    if (banner.geometry().contains(QPoint(x, y))) {
        banner.hide();
    } else {
        banner.show();
        ONTOP::SetOnTop(banner, ONTOP::kTrue);
    }
}

} // namespace lumo::MOUSEMOVE1
