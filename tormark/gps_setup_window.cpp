#include "gps_setup_window.h"

#include <QLabel>

#include "twips.h"

namespace tormark {

namespace {
constexpr int kClientWidth = 2910;
constexpr int kClientHeight = 3090;
}  // namespace

GpsSetupWindow::GpsSetupWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("SetUpCom");
    setWindowTitle("GPS / NMEA  Setup");
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));

    auto* portLabel = new QLabel("COM Port", this);
    portLabel->setObjectName("Label2");
    portLabel->setGeometry(TwipsRect(240, 240, 975, 255));
    auto* baudLabel = new QLabel("Baud Rate", this);
    baudLabel->setObjectName("Label1");
    baudLabel->setGeometry(TwipsRect(1680, 240, 855, 255));

    // Ports are typed as well as chosen: a serial device that the scan cannot list (a pty, a
    // symbolic link) can still be named.
    portBox_ = new QComboBox(this);
    portBox_->setObjectName("CPort");
    portBox_->setEditable(true);
    portBox_->setGeometry(TwipsRect(240, 480, 975, 315));

    baudBox_ = new QComboBox(this);
    baudBox_->setObjectName("Baud");
    baudBox_->setEditable(true);
    baudBox_->addItems({"4800", "9600", "19200"});
    baudBox_->setEditText("4800");
    baudBox_->setGeometry(TwipsRect(1440, 480, 1095, 315));

    auto* openButton = new QPushButton("Open COM Port", this);
    openButton->setObjectName("Command1");
    openButton->setGeometry(TwipsRect(600, 1080, 1455, 375));
    connect(openButton, &QPushButton::clicked, this, &GpsSetupWindow::openClicked);

    messageBox_ = new QPlainTextEdit(this);
    messageBox_->setObjectName("Text1");
    messageBox_->setGeometry(TwipsRect(120, 1920, 2655, 975));
}

void GpsSetupWindow::setPortChoices(const QStringList& ports) {
    const QString shown = portText();
    portBox_->clear();
    portBox_->addItems(ports);
    setPortText(shown);
}

void GpsSetupWindow::setMessage(const QString& text) {
    if (text.isEmpty())
        messageBox_->clear();
    else
        messageBox_->setPlainText(text);
}

}  // namespace tormark
