#include "compass.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "geodesy/constants.h"
#include "picture_box.h"

namespace tormark {

namespace {

struct Letter {
    const char* text;
    QPointF direction;  // unit vector from the centre, user units
};

constexpr Letter kLetters[] = {
    {"N", {0, -1}},
    {"S", {0, 1}},
    {"W", {-1, 0}},
    {"E", {1, 0}},
};

// Width of the needle and the circle, pixels of the window (device-independent).
constexpr double kLineWidth = 1.5;
// Blank pixels kept between a letter and the canvas edge.
constexpr double kLetterMargin = 2.0;

// The square the drawing spans, in the canvas's device-independent pixels: its centre and the
// length of one user unit.
struct CompassFrame {
    QPointF centre;
    double unit = 0.0;
};

CompassFrame FrameOf(const QImage& canvas) {
    const QSizeF size = canvas.deviceIndependentSize();
    return {QPointF(size.width() / 2, size.height() / 2),
            std::min(size.width(), size.height()) / (2 * kCompassHalfSpan)};
}

QPointF ToPoint(const CompassFrame& frame, QPointF user) {
    return frame.centre + user * frame.unit;
}

}  // namespace

QPointF CompassNeedleEnd(double bearing_deg) {
    const double a = (90.0 - bearing_deg) / geodesy::kWindowDegPerRad;
    return {kCompassNeedleLength * std::cos(a), -kCompassNeedleLength * std::sin(a)};
}

QPointF CompassToPixel(const QImage& canvas, QPointF user) {
    return ToPoint(FrameOf(canvas), user) * canvas.devicePixelRatio();
}

void DrawCompass(QImage& canvas, const QColor& fore, const QFont& font, double bearing_deg) {
    canvas.fill(kCompassBackColor);
    if (canvas.isNull()) return;
    const CompassFrame frame = FrameOf(canvas);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, true);

    painter.setPen(QPen(fore, kLineWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(frame.centre, ToPoint(frame, CompassNeedleEnd(bearing_deg)));

    painter.setPen(QPen(kCompassCircleColor, kLineWidth));
    painter.setBrush(Qt::NoBrush);
    const double radius = kCompassCircleRadius * frame.unit;
    painter.drawEllipse(frame.centre, radius, radius);

    // Each letter's ink is centred on its point and kept clear of the edges, whatever the font.
    painter.setFont(font);
    painter.setPen(fore);
    const QFontMetricsF metrics(font, &canvas);
    const QRectF room = QRectF(QPointF(0, 0), canvas.deviceIndependentSize())
                            .adjusted(kLetterMargin, kLetterMargin, -kLetterMargin, -kLetterMargin);
    for (const Letter& letter : kLetters) {
        const QString text = QString::fromLatin1(letter.text);
        const QRectF ink = metrics.tightBoundingRect(text);  // relative to the baseline origin
        QRectF place(QPointF(0, 0), ink.size());
        place.moveCenter(ToPoint(frame, letter.direction * kCompassLetterRadius));
        // (A canvas too small for a letter gets it at the top-left margin.)
        place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() - place.width())));
        place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() - place.height())));
        painter.drawText(place.topLeft() - ink.topLeft(), text);
    }
}

void Draw(PictureBox& picture, double bearing_deg) {
    picture.setBackColor(kCompassBackColor);
    picture.Clear();
    DrawCompass(picture.canvas(), picture.palette().color(QPalette::WindowText), picture.font(),
                bearing_deg);
    picture.update();
}

}  // namespace tormark
