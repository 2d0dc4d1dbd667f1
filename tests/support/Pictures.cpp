#include "Pictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

namespace lumo::test {

namespace {

std::string encoded(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes.toStdString();
}

} // namespace

std::string jpegOf(Qt::GlobalColor colour, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image, "jpeg");
}

std::string noisyPng(int seed, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, random.generate() | 0xff000000u);
        }
    }
    return encoded(image, "png");
}

std::string plainPng(int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    return encoded(image, "png");
}

std::string repeatedScanJpeg(int repeats, int width, int height) {
    // One colour: every refinement scan is a run of empty blocks, a handful of bytes however
    // large the picture.
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x2c, 0x8f, 0xb8));
    std::string jpeg = encoded(image, "jpeg", true);
    // The shortest scan (a refinement pass of a few bytes, with any table that follows it) runs
    // from its start-of-scan marker to the next one or to the end; it is repeated before the
    // end of the image.
    std::string shortest;
    for (auto at = jpeg.find("\xFF\xDA"); at != std::string::npos;) {
        auto next = jpeg.find("\xFF\xDA", at + 2);
        const auto end = std::min(next, jpeg.rfind("\xFF\xD9"));
        const std::string scan = jpeg.substr(at, end - at);
        if (shortest.empty() || scan.size() < shortest.size()) {
            shortest = scan;
        }
        at = next;
    }
    std::string repeated;
    for (int i = 0; i < repeats; ++i) {
        repeated += shortest;
    }
    jpeg.insert(jpeg.rfind("\xFF\xD9"), repeated);
    return jpeg;
}

} // namespace lumo::test
