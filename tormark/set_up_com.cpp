#include "set_up_com.h"

#include "twips.h"

namespace tormark {

namespace {
constexpr int kClientWidth = 2910;
constexpr int kClientHeight = 3090;
}  // namespace

SetUpCom::SetUpCom(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("SetUpCom");
    setWindowTitle("GPS / NMEA  Setup");
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));

    Label2 = new QLabel("COM Port", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(TwipsRect(240, 240, 975, 255));
    Label1 = new QLabel("Baud Rate", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(TwipsRect(1680, 240, 855, 255));

    // Ports are typed as well as chosen: a serial device that the scan cannot list (a pty, a
    // symbolic link) can still be named.
    CPort = new QComboBox(this);
    CPort->setObjectName("CPort");
    CPort->setEditable(true);
    CPort->setGeometry(TwipsRect(240, 480, 975, 315));

    Baud = new QComboBox(this);
    Baud->setObjectName("Baud");
    Baud->setEditable(true);
    Baud->addItems({"4800", "9600", "19200"});
    Baud->setEditText("4800");
    Baud->setGeometry(TwipsRect(1440, 480, 1095, 315));

    Command1 = new QPushButton("Open COM Port", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(TwipsRect(600, 1080, 1455, 375));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(TwipsRect(120, 1920, 2655, 975));
}

}  // namespace tormark
