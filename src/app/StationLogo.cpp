#include "app/StationLogo.h"

#include "catalogue/StationInfo.h"
#include "net/HttpRead.h"
#include "platform/AppFolder.h"
#include "platform/PictureDecoder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QStandardPaths>
#include <algorithm>
#include <system_error>
#include <vector>

namespace lumo {

namespace {

namespace fs = std::filesystem;

// The logo's place in the cache: named by its address.
fs::path cachedAs(const fs::path& cache, const std::string& address) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(address), QCryptographicHash::Sha1)
            .toHex();
    return cache / (hash.toStdString() + ".logo");
}

// Drops the oldest logos until the cache holds at most `most` bytes.
void prune(const fs::path& cache, std::int64_t most) {
    std::error_code error;
    std::vector<std::pair<fs::file_time_type, fs::path>> files;
    std::int64_t total = 0;
    for (const auto& entry : fs::directory_iterator(cache, error)) {
        if (entry.is_regular_file(error) && entry.path().extension() == ".logo") {
            total += static_cast<std::int64_t>(entry.file_size(error));
            files.emplace_back(entry.last_write_time(error), entry.path());
        }
    }
    std::ranges::sort(files);
    for (const auto& [when, file] : files) {
        if (total <= most) {
            break;
        }
        total -= static_cast<std::int64_t>(fs::file_size(file, error));
        fs::remove(file, error);
    }
}

struct Found {
    std::string address;            // the logo's, empty without one
    std::optional<QByteArray> kept; // from the cache
};

} // namespace

StationLogo::StationLogo(NetEngine& engine, PictureDecoder& decoder, fs::path stationInfo,
                         fs::path cache, QLabel& picture, QObject* parent)
    : QObject(parent), m_engine(engine), m_decoder(decoder), m_info(std::move(stationInfo)),
      m_cache(std::move(cache)), m_picture(picture) {}

fs::path StationLogo::cacheFolder(const fs::path& appFolder) {
    const fs::path data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    if (!data.empty() && appFolder.lexically_normal() == (data / "lumo").lexically_normal()) {
        return fs::path(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                            .toStdString()) /
               "lumo" / "logos";
    }
    return appFolder / "logos";
}

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
    const Found found = co_await step<Found>([&](auto done) {
        return offThread([done, stream, named, info = m_info, cache = m_cache] {
            Found result{named, std::nullopt};
            if (const auto text = readWholeFile(info)) {
                const StationInfoIndex known = readStationInfo(*text);
                if (const StationInfo* station = known.find(stream);
                    station != nullptr && !station->logo.empty()) {
                    result.address = station->logo;
                }
            }
            if (!result.address.empty()) {
                if (const auto bytes = readWholeFile(cachedAs(cache, result.address))) {
                    result.kept = QByteArray::fromStdString(*bytes);
                }
            }
            return [done, result] { done(result); };
        });
    });
    if (found.address.empty()) {
        co_return;
    }
    const fs::path file = cachedAs(m_cache, found.address);
    QByteArray bytes;
    if (found.kept) {
        bytes = *found.kept;
    } else {
        HttpReadOptions options;
        options.connectMilliseconds = 5000;
        options.totalMilliseconds = 15000;
        options.maxBytes = kMostBytes;
        const HttpReadResult fetched = co_await step<HttpReadResult>(
            [&](auto done) { return httpRead(m_engine, found.address, options, done); });
        if (!fetched.complete() || fetched.body.empty()) {
            co_return;
        }
        bytes = QByteArray::fromStdString(fetched.body);
        std::error_code error;
        fs::create_directories(m_cache, error);
    }
    const qreal ratio = m_picture.devicePixelRatioF();
    const int side = std::min(m_picture.width(), m_picture.height()) * 2 / 3;
    const QSize shown(static_cast<int>(side * ratio), static_cast<int>(side * ratio));
    const auto image = co_await step<std::optional<QImage>>([&](auto done) {
        return m_decoder.decode(bytes, shown, done, found.kept ? fs::path() : file);
    });
    if (!image) {
        co_return; // not a picture, or one too costly: no logo
    }
    QPixmap pixmap = QPixmap::fromImage(*image);
    pixmap.setDevicePixelRatio(ratio);
    m_picture.setPixmap(pixmap);
    m_picture.show();
    m_file = file;
    if (!found.kept) {
        co_await step<bool>([&](auto done) {
            return offThread([done, cache = m_cache] {
                prune(cache, kCacheBytes);
                return [done] { done(true); };
            });
        });
    }
}

} // namespace lumo
