#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QPointer>

class QMessageBox;

namespace lumo {

// Application-modal boxes opened without a loop of their own: the program's events (timers,
// transfers) go on while a box is up.
class QtMessageBoxes final : public MessageBoxes {
public:
    QtMessageBoxes() = default;
    // Boxes still up go without running what was to follow them.
    ~QtMessageBoxes() override;
    QtMessageBoxes(const QtMessageBoxes&) = delete;
    QtMessageBoxes& operator=(const QtMessageBoxes&) = delete;

    void show(const std::string& text, Icon icon, std::function<void()> closed) override;

private:
    QList<QPointer<QMessageBox>> m_open;
};

} // namespace lumo
