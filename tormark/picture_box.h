#pragma once

// A picture control: a fixed canvas with a background colour that keeps what was drawn on it
// until it is cleared. The compass of the Pointing window is drawn on one.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tormark {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& color) { back_ = color; }

    // Fills the canvas with the background colour.
    void Clear();

    // The drawing surface, as large as the control in the window's pixels and carrying the
    // screen's device pixel ratio; call update() after drawing on it.
    QImage& canvas() { return canvas_; }
    const QImage& canvas() const { return canvas_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QColor back_ = Qt::white;
    QImage canvas_;
};

}  // namespace tormark
