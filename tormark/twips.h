#pragma once

// The window layouts are designed in twips (1/1440 inch). At the usual 96 dots per inch one
// pixel is 15 twips, which is the scale used for every position and size of the four windows.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace tormark {

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, rounded to the nearest pixel.
inline constexpr int Px(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline constexpr int Twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A control's place given as Left, Top, Width, Height in twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline QSize TwipsSize(int width, int height) {
    return QSize(Px(width), Px(height));
}

}  // namespace tormark
