#include "pointing_window.h"

#include <algorithm>

#include "box_text.h"
#include "longest_texts.h"
#include "text_fit.h"
#include "twips.h"

namespace tormark {

namespace {
// Design size of the client area, twips.
constexpr int kClientWidth = 4215;
constexpr int kClientHeight = 2610;

// The four rows of values, twips: each label shares its box's row, its caption centred down the
// row beside the value, which a line edit centres too.
constexpr int kFirstRowTop = 675;
constexpr int kRowHeight = 405;
constexpr int kRowStep = 495;  // a row and the gap below it
constexpr int RowTop(int row) {
    return kFirstRowTop + row * kRowStep;
}
constexpr int kBoxLeft = 1140;

// The compass: a square right of the boxes, as tall as the first three rows allow.
constexpr int kCompassLeft = 2790;
constexpr int kCompassSide = 1365;
}  // namespace

PointingWindow::PointingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("BearingCalc");
    setWindowTitle("Pointing");
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));

    inputCopyBox_ = new QLineEdit(this);
    inputCopyBox_->setObjectName("Ipt");
    inputCopyBox_->setGeometry(TwipsRect(0, 225, 3645, 390));

    auto label = [this](const char* name, const char* caption, int left, int width, int row) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setGeometry(TwipsRect(left, RowTop(row), width, kRowHeight));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->hide();
        return l;
    };
    auto box = [this](const char* name, int width, int row) {
        auto* b = new QLineEdit(this);
        b->setObjectName(name);
        b->setGeometry(TwipsRect(kBoxLeft, RowTop(row), width, kRowHeight));
        b->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        b->hide();
        return b;
    };
    QLabel* bearingLabel = label("Label5", "Bearing", 180, 855, 0);
    bearingBox_ = box("BearText", 1575, 0);
    QLabel* backBearingLabel = label("Label6", "Back Bearing", -60, 1095, 1);
    backBearingBox_ = box("BackBearText", 1575, 1);
    QLabel* distanceLabel = label("Label4", "Distance  km", 60, 975, 2);
    distanceBox_ = box("DistText", 1575, 2);
    QLabel* accuracyLabel = label("Label12", "Accuracy", 180, 855, 3);
    accuracyBox_ = box("UncertText", 1545, 3);

    compass_ = new PictureBox(this);
    compass_->setObjectName("C");
    compass_->setGeometry(TwipsRect(kCompassLeft, kFirstRowTop, kCompassSide, kCompassSide));
    compass_->hide();
    values_ = {distanceBox_,     bearingBox_,  backBearingBox_, distanceLabel, bearingLabel,
               backBearingLabel, accuracyBox_, accuracyLabel,   compass_};
}

void PointingWindow::FitToFont() {
    LayoutFit fit(*this);
    fit.Fit(PointingWindowTexts(*this));
    const QSize designed = TwipsSize(kClientWidth, kClientHeight);
    setFixedSize(fit.GrownWidth(designed.width()), fit.GrownHeight(designed.height()));
    // The layout grows by different factors across and down; the compass stays a square (a
    // round circle, true angles), as large as its grown place allows and centred in it.
    const QRect place = compass_->geometry();
    QRect square(0, 0, std::min(place.width(), place.height()),
                 std::min(place.width(), place.height()));
    square.moveCenter(place.center());
    compass_->setGeometry(square);
}

void PointingWindow::ShowValues(bool visible) {
    for (QWidget* w : values_) w->setVisible(visible);
}

void PointingWindow::Show(const PointingBoxes& texts) {
    // A box shows the start of its text when it is too long for the box.
    for (const auto& [box, text] :
         {std::pair{inputCopyBox_, &texts.ipt}, std::pair{distanceBox_, &texts.dist},
          std::pair{bearingBox_, &texts.bear}, std::pair{backBearingBox_, &texts.backBear},
          std::pair{accuracyBox_, &texts.uncert}}) {
        box->setText(BoxText(*text));
        box->setCursorPosition(0);
    }
}

}  // namespace tormark
