#pragma once

// Connects the real-time GPS input, the two map buttons and the compass to the main window:
// "Real Time GPS" and the "GPS / NMEA  Setup" window with its port scan and "Open COM Port",
// each received position handed to the window's session to resolve like "&Use This", "G-Maps",
// "OS Map" with the folder of the map sheets, and the compass of the Pointing window drawn after
// each resolution once a home is set.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "real_time_gps.h"

namespace tormark {

class MainWindow;
class GpsSetupWindow;

class GpsAndMaps : public QObject {
    Q_OBJECT
  public:
    // Attaches to window (which becomes the parent) with a QSerialPort behind the GPS input.
    explicit GpsAndMaps(MainWindow& window);
    ~GpsAndMaps() override;

    RealTimeGps& gps() { return *gps_; }

    // The folder of the scanned map sheets (DefaultMapPath() at start); "OS Map" is enabled
    // when it holds a .jpg file.
    void setMapFolder(const QString& folder);

    // How a device is tried by the port scan; tests replace it.
    void setPortProbe(std::function<bool(const QString& device)> probe) {
        probe_ = std::move(probe);
    }

  private:
    class PortOfSetupWindow;

    void GpsClicked();       // "Real Time GPS" / "Pause Real Time" / "Resume real time"
    void OpenPortClicked();  // "Open COM Port" of the setup window
    void OpenWebMap();       // "G-Maps"
    void OpenOsMap();        // "OS Map"
    void DrawCompass();      // the compass for the current bearing

    // Fills the setup window's port box with the ports found, keeping the text it shows.
    void ScanPorts();

    void OnFix(const QString& input_text);
    void OnPortLost();

    MainWindow& window_;
    // The setup window holds a pointer to port_; it may be gone before this object (the main
    // window deletes its children in the order they were made).
    QPointer<GpsSetupWindow> setup_;
    bool realTime_ = false;  // real-time GPS mode, kept by gps_
    QString mapFolder_;
    RealTimeGps* gps_;
    std::unique_ptr<PortOfSetupWindow> port_;
    std::function<bool(const QString& device)> probe_;
    bool scanned_ = false;
    bool resolving_ = false;
};

}  // namespace tormark
