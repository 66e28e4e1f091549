#include "compass.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "geodesy/constants.h"
#include "picture_box.h"

namespace tormark {

namespace {

struct Letter {
    const char* text;
    QPointF top_left;  // user units
};

// The letters sit just outside the circle; N reaches a little above the picture's top edge.
constexpr Letter kLetters[] = {
    {"N", {-0.2, -1.6}},
    {"S", {-0.2, 0.9}},
    {"W", {-1.5, -0.35}},
    {"E", {1.2, -0.35}},
};

}  // namespace

QPointF CompassNeedleEnd(double bearing_deg) {
    const double a = (90.0 - bearing_deg) / geodesy::kWindowDegPerRad;
    return {kCompassNeedleLength * std::cos(a), -kCompassNeedleLength * std::sin(a)};
}

QPointF CompassToPixel(const QImage& canvas, QPointF user) {
    const double unit_x = canvas.width() / (2 * kCompassHalfSpan);
    const double unit_y = canvas.height() / (2 * kCompassHalfSpan);
    return {(user.x() + kCompassHalfSpan) * unit_x, (user.y() + kCompassHalfSpan) * unit_y};
}

void DrawCompass(QImage& canvas, const QColor& fore, const QFont& font, double bearing_deg) {
    canvas.fill(kCompassBackColor);
    if (canvas.isNull()) return;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const QPointF centre = CompassToPixel(canvas, {0, 0});
    painter.setPen(QPen(fore, 1));
    painter.drawLine(centre, CompassToPixel(canvas, CompassNeedleEnd(bearing_deg)));

    painter.setPen(QPen(kCompassCircleColor, 1));
    painter.setBrush(Qt::NoBrush);
    const double rx = kCompassCircleRadius * canvas.width() / (2 * kCompassHalfSpan);
    const double ry = kCompassCircleRadius * canvas.height() / (2 * kCompassHalfSpan);
    painter.drawEllipse(centre, rx, ry);

    painter.setFont(font);
    painter.setPen(fore);
    const double ascent = QFontMetricsF(font, &canvas).ascent();
    for (const Letter& letter : kLetters) {
        const QPointF p = CompassToPixel(canvas, letter.top_left);
        painter.drawText(QPointF(p.x(), p.y() + ascent), QString::fromLatin1(letter.text));
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
