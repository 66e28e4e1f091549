#pragma once

// The "Pointing" window: distance, bearing and back bearing from home to the current site, their
// accuracy and a compass. It belongs to the main window, which fills its boxes.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "picture_box.h"

namespace tormark {

class BearingCalc : public QWidget {
    Q_OBJECT
  public:
    explicit BearingCalc(QWidget* parent = nullptr);

    // Shows or hides the value boxes, their labels and the compass together (hidden while no
    // home is set).
    void ShowValues(bool visible);

    QLineEdit* Ipt;
    QLabel* Label5;
    QLineEdit* BearText;
    QLabel* Label6;
    QLineEdit* BackBearText;
    QLabel* Label4;
    QLineEdit* DistText;
    QLabel* Label12;
    QLineEdit* UncertText;
    PictureBox* C;
};

}  // namespace tormark
