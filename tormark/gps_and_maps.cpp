#include "gps_and_maps.h"

#include "compass.h"
#include "main_window.h"
#include "map_launch.h"
#include "twips.h"

namespace tormark {

namespace {
// The setup window opens this far left of the main window's right edge and below its top, twips.
constexpr int kSetUpLeftOfRight = 1000;
constexpr int kSetUpBelowTop = 1000;
}  // namespace

// The setup window's view of the port: the main window closes it through this on a click into
// the input box and at exit.
class GpsAndMaps::PortOfSetupWindow : public GpsPort {
  public:
    explicit PortOfSetupWindow(RealTimeGps& gps) : gps_(gps) {}
    bool IsOpen() const override { return gps_.portOpen(); }
    void Close() override { gps_.ClosePort(); }

  private:
    RealTimeGps& gps_;
};

GpsAndMaps::GpsAndMaps(MainWindow& window)
    : QObject(&window),
      window_(window),
      setup_(window.gpsSetupWindow()),
      gps_(new RealTimeGps(std::make_unique<QtSerialLink>(), realTime_, this)),
      port_(std::make_unique<PortOfSetupWindow>(*gps_)),
      probe_(CanOpenSerialDevice) {
    setup_->setPort(port_.get());
    connect(&window_, &MainWindow::gpsClicked, this, &GpsAndMaps::GpsClicked);
    connect(setup_, &GpsSetupWindow::openClicked, this, &GpsAndMaps::OpenPortClicked);
    connect(&window_, &MainWindow::webMapClicked, this, &GpsAndMaps::OpenWebMap);
    connect(&window_, &MainWindow::osMapClicked, this, &GpsAndMaps::OpenOsMap);
    connect(&window_, &MainWindow::siteResolved, this, &GpsAndMaps::DrawCompass);
    connect(&window_, &MainWindow::newEntryStarted, gps_, &RealTimeGps::Stop);
    connect(gps_, &RealTimeGps::CaptionChanged, &window_, &MainWindow::setGpsCaption);
    connect(gps_, &RealTimeGps::Fix, this, &GpsAndMaps::OnFix);
    connect(gps_, &RealTimeGps::PortLost, this, &GpsAndMaps::OnPortLost);
    setMapFolder(DefaultMapPath());
}

GpsAndMaps::~GpsAndMaps() {
    if (setup_) setup_->setPort(nullptr);
    gps_->ClosePort();
}

void GpsAndMaps::setMapFolder(const QString& folder) {
    mapFolder_ = folder;
    window_.setOsMapEnabled(MapFolderHasJpg(mapFolder_));
}

void GpsAndMaps::GpsClicked() {
    if (!gps_->UseNmeaClick()) return;
    GpsSetupWindow* setup = window_.gpsSetupWindow();
    setup->move(window_.width() + window_.x() - Px(kSetUpLeftOfRight),
                window_.y() + Px(kSetUpBelowTop));
    if (!scanned_) ScanPorts();
    setup->show();
    setup->raise();
}

void GpsAndMaps::ScanPorts() {
    scanned_ = true;
    window_.gpsSetupWindow()->setPortChoices(tormark::ScanPorts(probe_, UsbSerialDevices()));
}

void GpsAndMaps::OpenPortClicked() {
    GpsSetupWindow* setup = window_.gpsSetupWindow();
    if (!gps_->OpenPort(setup->portText(), setup->baudText())) {
        setup->setMessage(kComPortFail);
        return;
    }
    setup->setMessage(QString());
    setup->hide();
}

void GpsAndMaps::OnFix(const QString& input_text) {
    // A message box raised by one resolution runs its own event loop, in which further
    // sentences arrive; they are dropped rather than stacked up behind it.
    if (resolving_) return;
    resolving_ = true;
    window_.ResolveFix(input_text);
    resolving_ = false;
}

void GpsAndMaps::OnPortLost() {
    // The receiver went away: say so in the setup window, which stays ready to open it again.
    GpsSetupWindow* setup = window_.gpsSetupWindow();
    setup->setMessage(kComPortFail);
    setup->show();
    setup->raise();
}

void GpsAndMaps::OpenWebMap() {
    StartWebMap(window_.session().lat_deg, window_.session().lon_deg);
}

void GpsAndMaps::OpenOsMap() {
    StartOsMap(mapFolder_, QString::fromStdString(window_.session().boxes.osMapCaption));
}

void GpsAndMaps::DrawCompass() {
    Draw(window_.pointingWindow()->compass(), window_.session().distBear.bearing_deg);
}

}  // namespace tormark
