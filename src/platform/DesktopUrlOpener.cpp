#include "platform/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace lumo {

void DesktopUrlOpener::allowFolder(const std::filesystem::path& folder) {
    m_folder = QUrl::fromLocalFile(QString::fromStdString(folder.lexically_normal().string()))
                   .toString()
                   .toStdString();
}

void DesktopUrlOpener::open(const std::string& address) {
    if (!isOpenableAddress(address, m_folder)) {
        return;
    }
    const QUrl url(QString::fromStdString(address).trimmed(), QUrl::TolerantMode);
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

} // namespace lumo
