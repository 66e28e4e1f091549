#pragma once

// The compass of the "Pointing" window: a needle from the centre in the direction of the bearing
// from home, a red circle and the letters N, S, W and E.
//
// The picture is drawn in user coordinates spanning -1.5 to +1.5 across and down, origin at the
// centre, y growing downwards: the needle of length 1 points up for bearing 0 and right for 90.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>

namespace tormark {

class PictureBox;

// Background of the compass picture.
inline const QColor kCompassBackColor(250, 250, 180);
// Colour of the circle.
inline const QColor kCompassCircleColor(255, 0, 0);
// Radius of the circle and length of the needle, user units.
inline constexpr double kCompassCircleRadius = 0.9;
inline constexpr double kCompassNeedleLength = 1.0;
// Half the width of the picture in user units.
inline constexpr double kCompassHalfSpan = 1.5;

// End of the needle for a bearing in degrees (clockwise from north), user units.
QPointF CompassNeedleEnd(double bearing_deg);

// The pixel of canvas at a point in user units.
QPointF CompassToPixel(const QImage& canvas, QPointF user);

// Paints the compass for bearing_deg over the whole of canvas: background, needle in fore,
// circle, letters in font with their top-left corners at their places.
void DrawCompass(QImage& canvas, const QColor& fore, const QFont& font, double bearing_deg);

// `Draw`: sets the picture's background colour to the compass background, clears it and paints
// the compass with the picture's own text colour and font.
void Draw(PictureBox& picture, double bearing_deg);

}  // namespace tormark
