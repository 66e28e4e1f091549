#include "picture_box.h"

#include <QPainter>

namespace tormark {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::Clear() {
    if (canvas_.size() != size()) canvas_ = QImage(size(), QImage::Format_RGB32);
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
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(back_);
    if (!canvas_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = resized;
}

}  // namespace tormark
