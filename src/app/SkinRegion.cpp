#include "app/SkinRegion.h"

#include <cstdlib>
#include <vector>

namespace lumo {

std::optional<QRegion> BuildSkinRegion(const QImage& skin) {
    if (skin.isNull()) {
        return std::nullopt;
    }
    const QImage image = skin.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const QRgb transparent = image.pixel(0, 0);
    std::optional<QRegion> region;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int runStart = 0;
        bool inRun = false;
        auto closeRun = [&](int right) {
            const QRect rect(runStart, y, right - runStart, 1);
            region = region ? region->united(rect) : QRegion(rect);
            inRun = false;
        };
        for (int x = 0; x < width; ++x) {
            if (row[x] == transparent) {
                if (inRun) {
                    closeRun(x);
                }
            } else if (!inRun) {
                runStart = x;
                inRun = true;
            }
        }
        if (inRun) {
            closeRun(width);
        }
    }
    return region;
}

namespace {

// The key colour, or a blend of the edge with more key colour in it than not.
bool nearKey(QRgb pixel, QRgb key) {
    constexpr int kNear = 64;
    return std::abs(qRed(pixel) - qRed(key)) < kNear &&
           std::abs(qGreen(pixel) - qGreen(key)) < kNear &&
           std::abs(qBlue(pixel) - qBlue(key)) < kNear;
}

} // namespace

QImage SkinWithoutKeyColour(const QImage& skin, QRgb key, int passes) {
    QImage image = skin.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    std::vector<bool> keyed(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            keyed[static_cast<std::size_t>(y) * width + x] = nearKey(image.pixel(x, y), key);
        }
    }
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<bool> next = keyed;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!keyed[static_cast<std::size_t>(y) * width + x]) {
                    continue;
                }
                // The first neighbour with a colour of its own lends it.
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const int nx = x + step.x();
                    const int ny = y + step.y();
                    if (nx >= 0 && ny >= 0 && nx < width && ny < height &&
                        !keyed[static_cast<std::size_t>(ny) * width + nx]) {
                        image.setPixel(x, y, image.pixel(nx, ny));
                        next[static_cast<std::size_t>(y) * width + x] = false;
                        break;
                    }
                }
            }
        }
        keyed = std::move(next);
    }
    image.setDevicePixelRatio(skin.devicePixelRatio());
    return image;
}

} // namespace lumo
