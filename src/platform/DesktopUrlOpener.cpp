#include "platform/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace lumo {

void DesktopUrlOpener::open(const std::string& address) {
    if (!isNetworkAddress(address)) {
        return;
    }
    const QUrl url(QString::fromStdString(address).trimmed(), QUrl::TolerantMode);
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

} // namespace lumo
