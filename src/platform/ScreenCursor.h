#pragma once

#include <QPoint>

namespace lumo {

// Where the mouse pointer is on the screen, in screen pixels.
class ScreenCursor {
public:
    virtual ~ScreenCursor() = default;
    virtual QPoint position() const = 0;
};

class QtScreenCursor final : public ScreenCursor {
public:
    QPoint position() const override;
};

} // namespace lumo
