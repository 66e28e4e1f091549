#pragma once

// The compass of the "Pointing" window: a needle from the centre in the direction of the bearing
// from home, a red circle and the letters N, S, W and E.
//
// The picture is drawn in user coordinates spanning -1.5 to +1.5 across and down the largest
// square the canvas holds, origin at its centre, y growing downwards: the needle of length 1
// points up for bearing 0 and right for 90. One unit is as long across as down, so the circle is
// round and the needle shows the bearing at its true angle whatever the canvas's shape and
// device pixel ratio (the window's scale factor).

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
// Half the side of the square picture in user units.
inline constexpr double kCompassHalfSpan = 1.5;
// The letters are centred this far from the centre, between the circle and the edge.
inline constexpr double kCompassLetterRadius = 1.22;

// End of the needle for a bearing in degrees (clockwise from north), user units.
QPointF CompassNeedleEnd(double bearing_deg);

// The pixel of canvas (in its own pixels, whatever its device pixel ratio) at a point in user
// units.
QPointF CompassToPixel(const QImage& canvas, QPointF user);

// Paints the compass for bearing_deg over the whole of canvas: background, needle in fore,
// circle, and the letters in font, each centred on its compass point and kept inside the
// canvas.
void DrawCompass(QImage& canvas, const QColor& fore, const QFont& font, double bearing_deg);

// `Draw`: sets the picture's background colour to the compass background, clears it and paints
// the compass with the picture's own text colour and font.
void Draw(PictureBox& picture, double bearing_deg);

}  // namespace tormark
