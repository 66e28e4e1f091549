// Reading drawn pictures in the widget tests.
#pragma once

#include <QImage>
#include <QPoint>

namespace qttest {

// The darkest grey level (0 black ... 255 white) in the 3x3 pixels round `pixel`; pixels off the
// image are left out. A thin drawn line need not fall on the exact pixel a point maps to.
int DarkestNear(const QImage& image, QPoint pixel);

}  // namespace qttest
