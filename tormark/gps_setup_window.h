#pragma once

// The "GPS / NMEA  Setup" window: the choice of serial port and baud rate for the GPS input.
// This class holds the window and its controls; the serial port behind it is attached through
// the GpsPort interface by the GPS input code.

#include <QComboBox>
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

class GpsSetupWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GpsSetupWindow(QWidget* parent = nullptr);

    QString portText() const { return portBox_->currentText(); }
    void setPortText(const QString& text) { portBox_->setEditText(text); }
    QString baudText() const { return baudBox_->currentText(); }
    void setBaudText(const QString& text) { baudBox_->setEditText(text); }

    // Replaces the ports offered in the port box, keeping the text it shows.
    void setPortChoices(const QStringList& ports);
    // The message under the button ("COM PORT FAIL"); "" clears it.
    void setMessage(const QString& text);

    // The serial link of this window, or nullptr while none is attached (then no port is open).
    GpsPort* port() const { return port_; }
    void setPort(GpsPort* port) { port_ = port; }
    bool PortIsOpen() const { return port_ && port_->IsOpen(); }
    void ClosePort() {
        if (PortIsOpen()) port_->Close();
    }

  signals:
    // "Open COM Port" was clicked.
    void openClicked();

  private:
    GpsPort* port_ = nullptr;
    QComboBox* portBox_;          // CPort: typed as well as chosen
    QComboBox* baudBox_;          // Baud
    QPlainTextEdit* messageBox_;  // Text1
};

}  // namespace tormark
