#pragma once

// A push button whose caption wraps onto a second line when the button is too narrow for it,
// with its picture (if any) above the caption. The caption keeps its access key.

#include <QPushButton>

namespace tormark {

class WrapButton : public QPushButton {
    Q_OBJECT
  public:
    WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tormark
