#include "bearing_calc.h"

#include "twips.h"

namespace tormark {

namespace {
// Design size of the client area, twips.
constexpr int kClientWidth = 4215;
constexpr int kClientHeight = 2610;
}  // namespace

BearingCalc::BearingCalc(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("BearingCalc");
    setWindowTitle("Pointing");
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));

    Ipt = new QLineEdit(this);
    Ipt->setObjectName("Ipt");
    Ipt->setGeometry(TwipsRect(0, 225, 3645, 390));

    auto label = [this](const char* name, const char* caption, QRect place) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setGeometry(place);
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
    Label5 = label("Label5", "Bearing", TwipsRect(180, 900, 855, 255));
    BearText = box("BearText", TwipsRect(1140, 675, 1575, 510));
    Label6 = label("Label6", "Back Bearing", TwipsRect(-60, 1380, 1095, 255));
    BackBearText = box("BackBearText", TwipsRect(1140, 1260, 1575, 405));
    Label4 = label("Label4", "Distance  km", TwipsRect(60, 1860, 975, 255));
    DistText = box("DistText", TwipsRect(1140, 1740, 1575, 405));
    Label12 = label("Label12", "Accuracy", TwipsRect(180, 2220, 855, 255));
    UncertText = box("UncertText", TwipsRect(1140, 2220, 1545, 285));
    for (QLabel* l : {Label5, Label6, Label4, Label12}) l->setAlignment(Qt::AlignRight);

    C = new PictureBox(this);
    C->setObjectName("C");
    C->setGeometry(TwipsRect(2790, 690, 855, 855));
    C->hide();
}

void BearingCalc::ShowValues(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{DistText, BearText, BackBearText, Label4,
                                                      Label5, Label6, UncertText, Label12, C})
        w->setVisible(visible);
}

}  // namespace tormark
