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
class GpsAndMaps::PortOfSetUpCom : public GpsPort {
  public:
    explicit PortOfSetUpCom(RealTimeGps& gps) : gps_(gps) {}
    bool IsOpen() const override { return gps_.portOpen(); }
    void Close() override { gps_.ClosePort(); }

  private:
    RealTimeGps& gps_;
};

GpsAndMaps::GpsAndMaps(MainWindow& window)
    : QObject(&window),
      window_(window),
      setup_(window.setUpCom()),
      gps_(new RealTimeGps(std::make_unique<QtSerialLink>(), window.RealTime, this)),
      port_(std::make_unique<PortOfSetUpCom>(*gps_)),
      probe_(CanOpenSerialDevice) {
    setup_->setPort(port_.get());
    connect(window_.UseNMEA, &QPushButton::clicked, this, &GpsAndMaps::UseNMEA_Click);
    connect(setup_->Command1, &QPushButton::clicked, this, &GpsAndMaps::Command1_Click);
    connect(window_.Gmap, &QPushButton::clicked, this, &GpsAndMaps::Gmap_Click);
    connect(window_.OSMap, &QPushButton::clicked, this, &GpsAndMaps::OSMap_Click);
    connect(&window_, &MainWindow::siteResolved, this, &GpsAndMaps::Draw);
    connect(gps_, &RealTimeGps::CaptionChanged, window_.UseNMEA, &QPushButton::setText);
    connect(gps_, &RealTimeGps::Fix, this, &GpsAndMaps::OnFix);
    connect(gps_, &RealTimeGps::PortLost, this, &GpsAndMaps::OnPortLost);
}

GpsAndMaps::~GpsAndMaps() {
    if (setup_) setup_->setPort(nullptr);
    gps_->ClosePort();
}

void GpsAndMaps::UseNMEA_Click() {
    if (!gps_->UseNmeaClick()) return;
    SetUpCom* setup = window_.setUpCom();
    setup->move(window_.width() + window_.x() - Px(kSetUpLeftOfRight),
                window_.y() + Px(kSetUpBelowTop));
    if (!scanned_) ScanPorts();
    setup->show();
    setup->raise();
}

void GpsAndMaps::ScanPorts() {
    scanned_ = true;
    SetUpCom* setup = window_.setUpCom();
    const QString shown = setup->portText();
    setup->CPort->clear();
    setup->CPort->addItems(tormark::ScanPorts(probe_, UsbSerialDevices()));
    setup->setPortText(shown);
}

void GpsAndMaps::Command1_Click() {
    SetUpCom* setup = window_.setUpCom();
    if (!gps_->OpenPort(setup->portText(), setup->baudText())) {
        setup->Text1->setPlainText(kComPortFail);
        return;
    }
    setup->Text1->clear();
    setup->hide();
}

void GpsAndMaps::OnFix(const QString& input_text) {
    // A message box raised by one resolution runs its own event loop, in which further
    // sentences arrive; they are dropped rather than stacked up behind it.
    if (resolving_) return;
    resolving_ = true;
    window_.InputText->setText(input_text);
    window_.FindIt_Click();
    resolving_ = false;
}

void GpsAndMaps::OnPortLost() {
    // The receiver went away: say so in the setup window, which stays ready to open it again.
    SetUpCom* setup = window_.setUpCom();
    setup->Text1->setPlainText(kComPortFail);
    setup->show();
    setup->raise();
}

void GpsAndMaps::Gmap_Click() {
    StartWebMap(window_.session().Lat, window_.session().Lon);
}

void GpsAndMaps::OSMap_Click() {
    StartOsMap(window_.MapPath, window_.OSMap->text());
}

void GpsAndMaps::Draw() {
    tormark::Draw(*window_.bearingCalc()->C, window_.session().distBear.bearing_deg);
}

}  // namespace tormark
