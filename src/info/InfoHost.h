#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <vector>

namespace lumo {

// What the About and help windows need of the player window.
class InfoHost {
public:
    virtual ~InfoHost() = default;

    virtual void showPlayerWindow() = 0;
    // The player window as it looks, for the help picture.
    virtual QPixmap playerPicture() = 0;
};

} // namespace lumo
