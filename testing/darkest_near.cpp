#include "testing/darkest_near.h"

#include <algorithm>

namespace qttest {

int DarkestNear(const QImage& image, QPoint pixel) {
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(pixel.x() + dx, pixel.y() + dy))
                darkest = std::min(darkest, qGray(image.pixel(pixel.x() + dx, pixel.y() + dy)));
    return darkest;
}

}  // namespace qttest
