#include "cell_frame.h"

#include <QPainter>
#include <algorithm>

namespace tormark {

CellFrame::CellFrame(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
}

void CellFrame::SetCell(double ew_m, double ns_m) {
    ew_m_ = ew_m > 0 ? ew_m : 0.0;
    ns_m_ = ns_m > 0 ? ns_m : 0.0;
    point_ = false;
    update();
}

void CellFrame::SetPoint() {
    ew_m_ = ns_m_ = 0.0;
    point_ = true;
    update();
}

void CellFrame::ClearCell() {
    ew_m_ = ns_m_ = 0.0;
    point_ = false;
    update();
}

void CellFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -3, -3);
    painter.setPen(QPen(Qt::black, 1));
    if (point_) {
        painter.setBrush(Qt::black);
        painter.drawEllipse(area.center(), 1.5, 1.5);
        return;
    }
    if (ew_m_ <= 0 || ns_m_ <= 0) return;
    // The longer side fills the frame; the other keeps the cell's proportions.
    const double scale = std::min(area.width() / ew_m_, area.height() / ns_m_);
    const QSizeF cell(std::max(2.0, ew_m_ * scale), std::max(2.0, ns_m_ * scale));
    QRectF box(QPointF(0, 0), cell);
    box.moveCenter(area.center());
    painter.setBrush(QColor(255, 255, 90));
    painter.drawRect(box);
}

}  // namespace tormark
