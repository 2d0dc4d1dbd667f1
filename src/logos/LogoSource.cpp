#include "logos/LogoSource.h"

#include "net/HttpRead.h"
#include "platform/AppFolder.h"
#include "platform/PictureDecoder.h"
#include "platform/Task.h"
#include "platform/UrlOpener.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <algorithm>
#include <system_error>
#include <utility>
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

// One logo on its way; dropping it drops the step it waits on.
class Fetch : public Pending {
public:
    Fetch(NetEngine& engine, PictureDecoder& decoder, const fs::path& cache,
          const std::string& address, QSize size, LogoSource::Done done)
        : m_task(run(engine, decoder, cache, address, size, std::move(done))) {}

private:
    static Task run(NetEngine& engine, PictureDecoder& decoder, fs::path cache, std::string address,
                    QSize size, LogoSource::Done done) {
        const fs::path file = cachedAs(cache, address);
        const auto kept = co_await step<std::optional<QByteArray>>([&](auto arrived) {
            return offThread([arrived, file] {
                std::optional<QByteArray> bytes;
                if (const auto text = readWholeFile(file)) {
                    bytes = QByteArray::fromStdString(*text);
                }
                return [arrived, bytes] { arrived(bytes); };
            });
        });
        QByteArray bytes;
        if (kept) {
            bytes = *kept;
        } else {
            HttpReadOptions options;
            options.connectMilliseconds = 5000;
            options.totalMilliseconds = 15000;
            options.maxBytes = LogoSource::kMostBytes;
            const HttpReadResult fetched = co_await step<HttpReadResult>(
                [&](auto arrived) { return httpRead(engine, address, options, arrived); });
            if (!fetched.complete() || fetched.body.empty()) {
                done({});
                co_return;
            }
            bytes = QByteArray::fromStdString(fetched.body);
            std::error_code error;
            fs::create_directories(cache, error);
        }
        const auto image = co_await step<std::optional<QImage>>([&](auto arrived) {
            return decoder.decode(bytes, size, arrived, kept ? fs::path() : file,
                                  PictureDecoder::Fit::Within);
        });
        if (image && !kept) {
            co_await step<bool>([&](auto arrived) {
                return offThread([arrived, cache] {
                    prune(cache, LogoSource::kCacheBytes);
                    return [arrived] { arrived(true); };
                });
            });
        }
        done(image ? LogoSource::Logo{image, file} : LogoSource::Logo{});
    }

    Task m_task;
};

} // namespace

LogoSource::LogoSource(NetEngine& engine, PictureDecoder& decoder, fs::path cache)
    : m_engine(engine), m_decoder(decoder), m_cache(std::move(cache)) {}

PendingPtr LogoSource::fetch(const std::string& address, QSize size, Done done) {
    // The address came from outside (the directory, a stream): the one allow-list, web only.
    const bool web = address.starts_with("http://") || address.starts_with("https://");
    if (!web || !isNetworkAddress(address)) {
        return later([done = std::move(done)] { done({}); });
    }
    return std::make_unique<Fetch>(m_engine, m_decoder, m_cache, address, size, std::move(done));
}

fs::path LogoSource::cacheFolder(const fs::path& appFolder) {
    return AppFolder::cacheFor(appFolder) / "logos";
}

} // namespace lumo
