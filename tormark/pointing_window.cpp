#include "pointing_window.h"

#include "box_text.h"
#include "longest_texts.h"
#include "text_fit.h"
#include "twips.h"

namespace tormark {

namespace {
// Design size of the client area, twips.
constexpr int kClientWidth = 4215;
constexpr int kClientHeight = 2610;
}  // namespace

PointingWindow::PointingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("BearingCalc");
    setWindowTitle("Pointing");
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));

    inputCopyBox_ = new QLineEdit(this);
    inputCopyBox_->setObjectName("Ipt");
    inputCopyBox_->setGeometry(TwipsRect(0, 225, 3645, 390));

    auto label = [this](const char* name, const char* caption, QRect place) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setGeometry(place);
        l->setAlignment(Qt::AlignRight);
        l->hide();
        return l;
    };
    auto box = [this](const char* name, QRect place) {
        auto* b = new QLineEdit(this);
        b->setObjectName(name);
        b->setGeometry(place);
        b->hide();
        return b;
    };
    QLabel* bearingLabel = label("Label5", "Bearing", TwipsRect(180, 900, 855, 255));
    bearingBox_ = box("BearText", TwipsRect(1140, 675, 1575, 510));
    QLabel* backBearingLabel = label("Label6", "Back Bearing", TwipsRect(-60, 1380, 1095, 255));
    backBearingBox_ = box("BackBearText", TwipsRect(1140, 1260, 1575, 405));
    QLabel* distanceLabel = label("Label4", "Distance  km", TwipsRect(60, 1860, 975, 255));
    distanceBox_ = box("DistText", TwipsRect(1140, 1740, 1575, 405));
    QLabel* accuracyLabel = label("Label12", "Accuracy", TwipsRect(180, 2220, 855, 255));
    accuracyBox_ = box("UncertText", TwipsRect(1140, 2220, 1545, 285));

    compass_ = new PictureBox(this);
    compass_->setObjectName("C");
    compass_->setGeometry(TwipsRect(2790, 690, 855, 855));
    compass_->hide();
    values_ = {distanceBox_,     bearingBox_,  backBearingBox_, distanceLabel, bearingLabel,
               backBearingLabel, accuracyBox_, accuracyLabel,   compass_};
}

void PointingWindow::FitToFont() {
    LayoutFit fit(*this);
    fit.Fit(PointingWindowTexts(*this));
    const QSize designed = TwipsSize(kClientWidth, kClientHeight);
    setFixedSize(fit.GrownWidth(designed.width()), fit.GrownHeight(designed.height()));
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
