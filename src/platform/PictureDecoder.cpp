#include "platform/PictureDecoder.h"

#include "platform/AppFolder.h"
#include "platform/JpegScans.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QImageReader>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>

namespace lumo {

namespace {

// What a worker and the decode that waits for it share.
struct Stop {
    std::atomic<bool> requested{false};
};

// The bytes as a device whose reads fail once the decode is cancelled or its time is up, so a
// decoder that keeps reading stops soon after.
class GuardedBytes final : public QIODevice {
public:
    GuardedBytes(const QByteArray& bytes, const Stop* stop, int maxMilliseconds)
        : m_bytes(bytes), m_stop(stop), m_maxMilliseconds(maxMilliseconds) {
        m_clock.start();
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_bytes.size(); }
    bool stopped() const {
        return (m_stop != nullptr && m_stop->requested.load()) ||
               m_clock.hasExpired(m_maxMilliseconds);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (stopped()) {
            return -1;
        }
        const qint64 n = std::min(maxSize, m_bytes.size() - pos());
        if (n > 0) {
            std::memcpy(data, m_bytes.constData() + pos(), static_cast<std::size_t>(n));
        }
        return std::max<qint64>(n, 0);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const QByteArray& m_bytes;
    const Stop* m_stop;
    int m_maxMilliseconds;
    QElapsedTimer m_clock;
};

bool allowedFormat(const QByteArray& format) {
    static const std::array<QByteArray, 5> formats{"jpeg", "jpg", "png", "gif", "bmp"};
    return std::find(formats.begin(), formats.end(), format.toLower()) != formats.end();
}

std::optional<QImage> decodeGuarded(const QByteArray& bytes, QSize size,
                                    const PictureLimits& limits, const Stop* stop,
                                    PictureDecoder::Fit fit) {
    const int scans =
        jpegScanCount(std::string_view(bytes.constData(), bytes.size()), limits.maxScans);
    if (scans > limits.maxScans) {
        return std::nullopt;
    }
    GuardedBytes device(bytes, stop, limits.maxMilliseconds);
    QImageReader reader(&device);
    reader.setAllocationLimit(limits.allocationMiB);
    if (!allowedFormat(reader.format())) {
        return std::nullopt;
    }
    const QSize stored = reader.size();
    if (stored.isValid() &&
        static_cast<std::int64_t>(stored.width()) * stored.height() > limits.maxPixels) {
        return std::nullopt;
    }
    if (size.isValid() && !size.isEmpty()) {
        if (fit == PictureDecoder::Fit::Within && stored.isValid() && !stored.isEmpty()) {
            size = stored.scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        }
        reader.setScaledSize(size);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull() || device.stopped()) {
        return std::nullopt;
    }
    return image;
}

} // namespace

// One decode as its owner holds it: the worker's result, or the refusal when its time is up.
class PictureDecoder::Decode final : public Pending {
public:
    Decode(PictureDecoder& decoder, std::uint64_t id, Done done, int maxMilliseconds)
        : m_decoder(decoder), m_id(id), m_done(std::move(done)), m_stop(std::make_shared<Stop>()) {
        m_decoder.m_waiting.emplace(m_id, this);
        m_deadline.setSingleShot(true);
        QObject::connect(&m_deadline, &QTimer::timeout, [this] {
            m_stop->requested = true;
            finish(std::nullopt);
        });
        m_deadline.start(maxMilliseconds);
    }
    ~Decode() override {
        m_stop->requested = true;
        m_decoder.m_waiting.erase(m_id);
    }
    std::shared_ptr<Stop> stop() const { return m_stop; }

    void finish(std::optional<QImage> image) {
        m_deadline.stop();
        m_decoder.m_waiting.erase(m_id);
        auto done = std::exchange(m_done, {});
        if (done) {
            done(std::move(image)); // may drop this decode: nothing of it is touched after
        }
    }

private:
    PictureDecoder& m_decoder;
    std::uint64_t m_id;
    Done m_done;
    std::shared_ptr<Stop> m_stop;
    QTimer m_deadline;
};

PictureDecoder::PictureDecoder(PictureLimits limits, QObject* parent)
    : QObject(parent), m_limits(limits) {
    // One core at least stays the window's.
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

PictureDecoder::~PictureDecoder() {
    for (auto& [id, decode] : m_waiting) {
        decode->stop()->requested = true;
    }
    m_pool.waitForDone();
}

PendingPtr PictureDecoder::decode(QByteArray bytes, QSize size, Done done,
                                  std::filesystem::path keepAs, Fit fit) {
    const std::uint64_t id = ++m_lastId;
    auto waiting = std::make_unique<Decode>(*this, id, std::move(done), m_limits.maxMilliseconds);
    m_pool.start([this, id, bytes = std::move(bytes), size, limits = m_limits,
                  stop = waiting->stop(), keepAs = std::move(keepAs), fit] {
        std::optional<QImage> image;
        // Writing a file made durable waits on the disk: here, not on the window's thread.
        const bool kept =
            keepAs.empty() ||
            (!stop->requested &&
             replaceFileAtomically(keepAs, std::string_view(bytes.constData(), bytes.size())));
        if (kept && !stop->requested) {
            image = decodeGuarded(bytes, size, limits, stop.get(), fit);
        }
        // This object outlives its workers (its destructor waits for them).
        QMetaObject::invokeMethod(
            this, [this, id, image = std::move(image)]() mutable { arrived(id, std::move(image)); },
            Qt::QueuedConnection);
    });
    return waiting;
}

void PictureDecoder::arrived(std::uint64_t id, std::optional<QImage> image) {
    if (const auto it = m_waiting.find(id); it != m_waiting.end()) {
        it->second->finish(std::move(image));
    }
}

std::optional<QImage> PictureDecoder::decodeNow(const QByteArray& bytes, QSize size,
                                                const PictureLimits& limits, Fit fit) {
    return decodeGuarded(bytes, size, limits, nullptr, fit);
}

} // namespace lumo
