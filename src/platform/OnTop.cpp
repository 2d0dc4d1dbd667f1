#include "platform/OnTop.h"

#include <QWidget>
#include <QWindow>

namespace lumo::ONTOP {

void SetOnTop(QWidget& window, int flag) {
    if (flag == kTrue || flag == kFalse) {
        const bool above = flag == kTrue;
        if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != above) {
            // Changed on the native window directly: QWidget::setWindowFlags would hide and
            // re-show the window, and with it the video's native child.
            const Qt::WindowFlags flags =
                window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, above);
            window.overrideWindowFlags(flags);
            if (QWindow* native = window.windowHandle()) {
                native->setFlags(flags);
            }
        }
    }
    if (!window.isVisible()) {
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.show();
    }
    window.raise();
}

} // namespace lumo::ONTOP
