#include "picture_box.h"

#include <QPainter>

namespace tormark {

namespace {

// A canvas for a control of `size`, with a pixel for each pixel of the screen (at a scale factor
// of 1.5 a 90-pixel control has 135), so that what is drawn is as sharp as the window's text.
QImage NewCanvas(const QSize& size, qreal devicePixelRatio) {
    QImage canvas(size * devicePixelRatio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(devicePixelRatio);
    return canvas;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::Clear() {
    if (canvas_.size() != size() * devicePixelRatioF() ||
        canvas_.devicePixelRatio() != devicePixelRatioF())
        canvas_ = NewCanvas(size(), devicePixelRatioF());
    canvas_.fill(back_);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (canvas_.isNull())
        painter.fillRect(rect(), back_);
    else
        painter.drawImage(0, 0, canvas_);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    QImage resized = NewCanvas(size(), devicePixelRatioF());
    resized.fill(back_);
    if (!canvas_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = resized;
}

}  // namespace tormark
