#include "plot/testing/png_reading.h"

#include <QImage>
#include <QString>

namespace plot::testing {

namespace fs = std::filesystem;

PixelResult PngPixel(const fs::path& png, int x, int y) {
    QImage image(QString::fromStdString(png.string()));
    PixelResult result;
    if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return result;
    }
    QRgb p = image.pixel(x, y);
    result.ok = true;
    result.colour = Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                        static_cast<std::uint8_t>(qBlue(p))};
    return result;
}

std::pair<int, int> PngSize(const fs::path& png) {
    QImage image(QString::fromStdString(png.string()));
    if (image.isNull()) return {0, 0};
    return {image.width(), image.height()};
}

int CountPngPixels(const fs::path& png, Rgb colour) {
    QImage image(QString::fromStdString(png.string()));
    if (image.isNull()) return 0;
    image = image.convertToFormat(QImage::Format_RGB32);
    QRgb wanted = qRgb(colour.red, colour.green, colour.blue);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == (wanted & 0xFFFFFFu)) ++count;
        }
    }
    return count;
}

}  // namespace plot::testing
