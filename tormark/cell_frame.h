#pragma once

// Frame1 of the main window: a small picture of the uncertainty cell of the current position,
// a rectangle with the east-west to north-south proportions of the cell (a point for a typed
// latitude/longitude, whose cell is too small to draw).

#include <QFrame>

namespace tormark {

class CellFrame : public QFrame {
    Q_OBJECT
  public:
    explicit CellFrame(QWidget* parent = nullptr);

    // Cell size in metres; 0 for either means "no cell known" (nothing drawn).
    void SetCell(double ew_m, double ns_m);
    // A position known to a point: a dot in the middle.
    void SetPoint();
    void ClearCell();

    double ewMetres() const { return ew_m_; }
    double nsMetres() const { return ns_m_; }
    bool isPoint() const { return point_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double ew_m_ = 0.0;
    double ns_m_ = 0.0;
    bool point_ = false;
};

}  // namespace tormark
