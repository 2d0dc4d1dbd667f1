#include "platform/ScreenCursor.h"

#include <QCursor>

namespace lumo {

QPoint QtScreenCursor::position() const {
    return QCursor::pos();
}

} // namespace lumo
