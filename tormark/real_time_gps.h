#pragma once

// Real-time GPS mode of the main window: the "UseNMEA" button's states, the opening of the port
// chosen in the "GPS / NMEA  Setup" window, and the position text of each RMC sentence received.
//
//   state       caption of UseNMEA    port    entered by
//   off         "Real Time GPS"       closed  start; click into the input box
//   setting up  unchanged             closed  UseNMEA click while off or paused
//   running     "Pause Real Time"     open    a successful "Open COM Port"
//   paused      "Resume real time"    closed  UseNMEA click while real-time; a port lost while open
//
// Positions arrive only while the port is open. The real-time flag belongs to the GPS input of
// the main window (GpsAndMaps); this class reads and writes it there.

#include <QObject>
#include <QString>
#include <memory>

#include "nmea_receiver.h"
#include "serial_link.h"

namespace tormark {

inline const QString kRealTimeGpsCaption = QStringLiteral("Real Time GPS");
inline const QString kPauseRealTimeCaption = QStringLiteral("Pause Real Time");
inline const QString kResumeRealTimeCaption = QStringLiteral("Resume real time");
inline const QString kComPortFail = QStringLiteral("COM PORT FAIL");

class RealTimeGps : public QObject {
    Q_OBJECT
  public:
    // real_time is the GPS input's real-time flag and must outlive this object.
    RealTimeGps(std::unique_ptr<SerialLink> link, bool& real_time, QObject* parent = nullptr);

    bool realTime() const { return real_time_; }
    bool portOpen() const { return link_->IsOpen(); }

    // Replaces the serial port (tests hand in their own); an open port is closed first.
    void SetLink(std::unique_ptr<SerialLink> link);

    // UseNMEA clicked. Returns true when the setup window is to be shown (the mode was off or
    // paused); false when this click paused it (the port, if open, is closed).
    bool UseNmeaClick();

    // "Open COM Port" with the port box and baud box texts; the line settings are the baud text
    // followed by ",n,8,1". True when the port is open (the setup window hides); false when it
    // cannot be opened, which the setup window shows as "COM PORT FAIL".
    bool OpenPort(const QString& port_box_text, const QString& baud_box_text);

    // A click into the input box: the port is closed and the mode is off.
    void Stop();

    // Program exit: the port is closed.
    void ClosePort();

  signals:
    // An RMC sentence gave this input-box text; the window resolves it like "&Use This".
    void Fix(const QString& input_text);
    // The UseNMEA button is to show this caption.
    void CaptionChanged(const QString& caption);
    // The port failed while open and was closed; the mode is paused.
    void PortLost();

  private:
    void OnReceived();
    void OnLost();

    std::unique_ptr<SerialLink> link_;
    NmeaReceiver receiver_;
    bool& real_time_;
};

}  // namespace tormark
