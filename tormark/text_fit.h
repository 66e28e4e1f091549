#pragma once

// Fitting the designed layouts to the font in use. The windows are laid out in twips for a small
// font that few systems have; the font that stands in for it is often wider, so a caption or a
// value can be cut at the edge of its control. Each window names the longest texts its controls
// must show; the whole layout then grows, the same factor for every control across and another
// down, just enough for every one of those texts to be shown whole. Order and arrangement stay
// as designed.

#include <QHash>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace tormark {

// A control and the texts it must be able to show whole.
struct ControlTexts {
    QWidget* control;
    QStringList texts;
};

// The room a control leaves for its text, pixels: inside its frame and margins (a line edit, a
// check box) or its whole contents (a label); for a button the area under its picture.
QRect TextRoom(const QWidget& control);

// Whether `text` is shown whole in `control` at its present size and font: one line within the
// room, or for a push button the caption wrapped at its blanks as the button wraps it.
bool TextFits(const QWidget& control, const QString& text);

// Grows the layout of `window` (its direct children, placed at their designed pixel geometry)
// until every text of `needs` fits its control, and returns the factors across and down (each
// at least 1). Calling it again starts from the designed geometry once more.
class LayoutFit {
  public:
    explicit LayoutFit(QWidget& window);

    QSizeF Fit(const std::vector<ControlTexts>& needs);

    QSizeF growth() const { return growth_; }
    // A designed pixel rectangle (or length) in the grown layout.
    QRect Grown(const QRect& designed) const;
    int GrownWidth(int designed) const;
    int GrownHeight(int designed) const;

  private:
    void Apply();

    QWidget& window_;
    QHash<QWidget*, QRect> designed_;
    QSizeF growth_{1.0, 1.0};
};

}  // namespace tormark
