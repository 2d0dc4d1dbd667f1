#include "platform/DisplaySession.h"

#include <QGuiApplication>

namespace lumo {

bool onNativeWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace lumo
