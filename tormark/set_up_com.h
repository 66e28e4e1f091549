#pragma once

// The "GPS / NMEA  Setup" window: the choice of serial port and baud rate for the GPS input.
// This class holds the window and its controls; the serial port behind it is attached through
// the GpsPort interface by the GPS input code.

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace tormark {

// The serial link that feeds GPS sentences. The main window only needs to know whether it is
// open and to close it (a click into the input box and the program's exit close it).
class GpsPort {
  public:
    virtual ~GpsPort() = default;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
};

class SetUpCom : public QWidget {
    Q_OBJECT
  public:
    explicit SetUpCom(QWidget* parent = nullptr);

    QString portText() const { return CPort->currentText(); }
    void setPortText(const QString& text) { CPort->setEditText(text); }
    QString baudText() const { return Baud->currentText(); }
    void setBaudText(const QString& text) { Baud->setEditText(text); }

    // The serial link of this window, or nullptr while none is attached (then no port is open).
    GpsPort* port() const { return port_; }
    void setPort(GpsPort* port) { port_ = port; }
    bool PortIsOpen() const { return port_ && port_->IsOpen(); }
    void ClosePort() {
        if (PortIsOpen()) port_->Close();
    }

    QLabel* Label2;
    QLabel* Label1;
    QComboBox* CPort;
    QComboBox* Baud;
    QPushButton* Command1;
    QPlainTextEdit* Text1;

  private:
    GpsPort* port_ = nullptr;
};

}  // namespace tormark
