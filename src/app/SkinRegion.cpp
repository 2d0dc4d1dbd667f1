#include "app/SkinRegion.h"

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

} // namespace lumo
