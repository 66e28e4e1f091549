#include "real_time_gps.h"

namespace tormark {

RealTimeGps::RealTimeGps(std::unique_ptr<SerialLink> link, bool& real_time, QObject* parent)
    : QObject(parent), real_time_(real_time) {
    SetLink(std::move(link));
}

void RealTimeGps::SetLink(std::unique_ptr<SerialLink> link) {
    if (link_) ClosePort();
    link_ = std::move(link);
    link_->setParent(nullptr);
    connect(link_.get(), &SerialLink::Received, this, &RealTimeGps::OnReceived);
    connect(link_.get(), &SerialLink::Lost, this, &RealTimeGps::OnLost);
}

bool RealTimeGps::UseNmeaClick() {
    if (real_time_) {
        real_time_ = false;
        ClosePort();
        emit CaptionChanged(kResumeRealTimeCaption);
        return false;
    }
    real_time_ = true;
    return true;
}

bool RealTimeGps::OpenPort(const QString& port_box_text, const QString& baud_box_text) {
    ClosePort();
    const auto settings = ParseLineSettings(baud_box_text + QStringLiteral(",n,8,1"));
    const QString device = PortDevice(port_box_text);
    if (!settings || device.isEmpty() || !link_->Open(device, *settings)) {
        link_->Close();
        return false;
    }
    real_time_ = true;
    emit CaptionChanged(kPauseRealTimeCaption);
    return true;
}

void RealTimeGps::Stop() {
    ClosePort();
    real_time_ = false;
    emit CaptionChanged(kRealTimeGpsCaption);
}

void RealTimeGps::ClosePort() {
    link_->Close();
    receiver_.Clear();
}

void RealTimeGps::OnReceived() {
    const QByteArray chars = link_->ReadAll();
    // Only while the port is open: a notification that was queued before a close is stale.
    if (!link_->IsOpen()) return;
    const auto text = receiver_.Receive(std::string_view(chars.constData(), chars.size()));
    if (text) emit Fix(QString::fromLatin1(text->data(), static_cast<qsizetype>(text->size())));
}

void RealTimeGps::OnLost() {
    receiver_.Clear();
    real_time_ = false;
    emit CaptionChanged(kResumeRealTimeCaption);
    emit PortLost();
}

}  // namespace tormark
