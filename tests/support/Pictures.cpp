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
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, random.generate() | 0xff000000u);
        }
    }
    std::string jpeg = encoded(image, "jpeg", true);
    // The last scan runs from its start-of-scan marker to the end-of-image marker.
    const auto lastScan = jpeg.rfind("\xFF\xDA");
    const auto end = jpeg.rfind("\xFF\xD9");
    const std::string scan = jpeg.substr(lastScan, end - lastScan);
    std::string repeated;
    for (int i = 0; i < repeats; ++i) {
        repeated += scan;
    }
    jpeg.insert(end, repeated);
    return jpeg;
}

} // namespace lumo::test
