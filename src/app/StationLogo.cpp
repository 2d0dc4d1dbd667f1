#include "app/StationLogo.h"

#include "catalogue/StationInfo.h"
#include "logos/LogoSource.h"
#include "platform/AppFolder.h"

#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace lumo {

namespace fs = std::filesystem;

StationLogo::StationLogo(LogoSource& logos, fs::path stationInfo, QLabel& picture, QObject* parent)
    : QObject(parent), m_logos(logos), m_info(std::move(stationInfo)), m_picture(picture) {}

void StationLogo::playing(const std::string& stream, bool audio, const std::string& named) {
    clear();
    if (audio) {
        m_task = show(stream, named);
    }
}

void StationLogo::clear() {
    m_task.reset(); // the read, fetch or decode under way with it
    m_file.clear();
    m_picture.clear();
    m_picture.hide();
}

Task StationLogo::show(std::string stream, std::string named) {
    const std::string address = co_await step<std::string>([&](auto done) {
        return offThread([done, stream, named, info = m_info] {
            std::string found = named;
            if (const auto text = readWholeFile(info)) {
                const StationInfoIndex known = readStationInfo(*text);
                if (const StationInfo* station = known.find(stream);
                    station != nullptr && !station->logo.empty()) {
                    found = station->logo;
                }
            }
            return [done, found] { done(found); };
        });
    });
    if (address.empty()) {
        co_return;
    }
    const qreal ratio = m_picture.devicePixelRatioF();
    const int side = std::min(m_picture.width(), m_picture.height()) * 2 / 3;
    const QSize shown(static_cast<int>(side * ratio), static_cast<int>(side * ratio));
    const LogoSource::Logo logo = co_await step<LogoSource::Logo>(
        [&](auto done) { return m_logos.fetch(address, shown, done); });
    if (!logo.image) {
        co_return; // not a picture, or one too costly: no logo
    }
    QPixmap pixmap = QPixmap::fromImage(*logo.image);
    pixmap.setDevicePixelRatio(ratio);
    m_picture.setPixmap(pixmap);
    m_picture.show();
    m_file = logo.file;
}

} // namespace lumo
