#pragma once

#include "platform/Pending.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QThreadPool>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <unordered_map>

namespace lumo {

// What a picture from outside may cost to decode.
struct PictureLimits {
    int maxScans = 64;                      // scans of a progressive JPEG
    std::int64_t maxPixels = 4096LL * 4096; // width × height as stored
    int allocationMiB = 64;                 // the decoded picture
    int maxMilliseconds = 1000;             // a decode that takes longer is refused
};

// Decodes pictures that come from outside (a station's camera, the update site's adverts) off
// the window's thread, at the size they are shown, within PictureLimits: a picture that would
// cost more is refused as no picture, as are bytes that are no JPEG, PNG, GIF or BMP. The
// window never waits for a decode; a decode whose reason has gone is dropped, and one that
// runs past its time is stopped at its next read of the bytes.
class PictureDecoder : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(std::optional<QImage>)>;
    // How a picture meets the size asked: filled to it, or as large as fits in it, its shape
    // kept.
    enum class Fit { Fill, Within };

    explicit PictureDecoder(PictureLimits limits = {}, QObject* parent = nullptr);
    // Stops the decodes under way and lets their workers end (each at its next read).
    ~PictureDecoder() override;

    // Decodes `bytes` at `size` (empty: as stored); `done` comes later on this object's thread
    // with the picture, or with nothing. Dropping the handle drops the result. With `keepAs`,
    // the worker first writes the bytes to that file as they are (replacing it whole, or
    // leaving it as it was); a write that fails is a picture that did not come.
    [[nodiscard]] PendingPtr decode(QByteArray bytes, QSize size, Done done,
                                    std::filesystem::path keepAs = {}, Fit fit = Fit::Fill);

    // The same work on the calling thread, for tests and tools.
    static std::optional<QImage> decodeNow(const QByteArray& bytes, QSize size,
                                           const PictureLimits& limits, Fit fit = Fit::Fill);

private:
    class Decode;
    friend class Decode;
    void arrived(std::uint64_t id, std::optional<QImage> image);

    PictureLimits m_limits;
    QThreadPool m_pool;
    std::uint64_t m_lastId = 0;
    std::unordered_map<std::uint64_t, Decode*> m_waiting;
};

} // namespace lumo
