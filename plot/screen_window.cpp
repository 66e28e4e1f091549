#include "plot/screen_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace plot {

namespace {

// Serves the window events until `done` holds, sleeping in the event loop between them.
template <typename Done>
void ServeEventsUntil(Done done) {
    QCoreApplication::processEvents();
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

class ScreenWidget : public QWidget {
  public:
    explicit ScreenWidget(ScreenWindow& owner) : owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, owner_.canvas_.ComposedImage());
    }
    void mousePressEvent(QMouseEvent* e) override { Collect(ClickKind::kSingle, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Collect(ClickKind::kDouble, e); }
    void keyPressEvent(QKeyEvent* e) override {
        const QString text = e->text();
        if (!text.isEmpty()) {
            owner_.keys_.push_back(text.at(0).unicode());
        } else if (e->key() == Qt::Key_Escape) {
            owner_.keys_.push_back(kEscapeKey);
        }
    }
    void closeEvent(QCloseEvent* e) override {
        if (owner_.closeDisabled_) {
            e->ignore();
            return;
        }
        // Closing the window from its title bar leaves like Escape, so no tool waits forever.
        owner_.keys_.push_back(kEscapeKey);
        e->accept();
    }

  private:
    // The click's pixel centre in user coordinates.
    void Collect(ClickKind kind, QMouseEvent* e) {
        const QPointF at = e->position() - QPointF(0, owner_.canvas_.TitleStripHeightPx());
        owner_.clicks_.push_back(
            Click{kind, owner_.canvas_.UserX(at.x() + 0.5), owner_.canvas_.UserY(at.y() + 0.5)});
    }
    ScreenWindow& owner_;
};

ScreenWindow::ScreenWindow(const Canvas& canvas, int left_px, int top_px)
    : canvas_(canvas), widget_(std::make_unique<ScreenWidget>(*this)) {
    widget_->setWindowTitle(QString::fromStdString(canvas.Title()));
    widget_->setFixedSize(canvas.WidthPx(), canvas.HeightPx());
    widget_->move(left_px, top_px);
}

ScreenWindow::~ScreenWindow() = default;

void ScreenWindow::FitToPicture() {
    widget_->setFixedSize(canvas_.WidthPx(), canvas_.HeightPx() + canvas_.TitleStripHeightPx());
}

void ScreenWindow::Show() {
    FitToPicture();
    widget_->show();
    widget_->raise();
    QCoreApplication::processEvents();
}

void ScreenWindow::Repaint() {
    FitToPicture();
    widget_->repaint();
    QCoreApplication::processEvents();
}

void ScreenWindow::Hide() {
    widget_->hide();
    QCoreApplication::processEvents();
}

void ScreenWindow::DisableClose() {
    closeDisabled_ = true;
}

Click ScreenWindow::PollClick() {
    QCoreApplication::processEvents();
    if (clicks_.empty()) return Click{};
    const Click click = clicks_.front();
    clicks_.pop_front();
    return click;
}

std::optional<int> ScreenWindow::PollKey() {
    QCoreApplication::processEvents();
    if (keys_.empty()) return std::nullopt;
    const int key = keys_.front();
    keys_.pop_front();
    return key;
}

void ScreenWindow::WaitForClick() {
    ServeEventsUntil([this] { return !clicks_.empty(); });
}

void ScreenWindow::WaitForInput() {
    ServeEventsUntil([this] { return !clicks_.empty() || !keys_.empty(); });
}

void ScreenWindow::InjectClick(ClickKind kind, double x, double y) {
    clicks_.push_back(Click{kind, x, y});
}

void ScreenWindow::InjectKey(int key) {
    keys_.push_back(key);
}

}  // namespace plot
