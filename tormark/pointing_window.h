#pragma once

// The "Pointing" window: distance, bearing and back bearing from home to the current site, their
// accuracy and a compass. It belongs to the main window, which hands it the session's pointing
// texts to show.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "picture_box.h"
#include "site_session.h"

namespace tormark {

class PointingWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PointingWindow(QWidget* parent = nullptr);

    // Shows or hides the value boxes, their labels and the compass together (hidden while no
    // home is set).
    void ShowValues(bool visible);

    // Shows the copy of the input box and the four values, each from its start.
    void Show(const PointingBoxes& texts);

    // Grows the designed layout until the longest values and captions fit the window's font;
    // called once the font is set.
    void FitToFont();

    // The compass picture.
    PictureBox& compass() { return *compass_; }

  private:
    QLineEdit* inputCopyBox_;    // Ipt
    QLineEdit* bearingBox_;      // BearText
    QLineEdit* backBearingBox_;  // BackBearText
    QLineEdit* distanceBox_;     // DistText
    QLineEdit* accuracyBox_;     // UncertText
    PictureBox* compass_;        // C
    QList<QWidget*> values_;     // the value boxes, their labels and the compass
};

}  // namespace tormark
