// Parts of the frame still being written: they compile and link but do nothing useful yet.
#include <QPainter>
#include <QWidget>

#include "console/headless.h"
#include "console/plot_controls.h"
#include "console/plot_window.h"
#include "console/position_entry.h"

namespace console {
class PlotCanvas : public QWidget {};
}  // namespace console

namespace console {
void EnsureGuiApplication() {}
PlotWindow::PlotWindow(std::string caption, int, int, int width_px, int height_px, Rgb)
    : caption_(std::move(caption)), width_(width_px), height_(height_px) {}
PlotWindow::~PlotWindow() = default;
void PlotWindow::SetScale(double x1, double y1, double x2, double y2) {
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
}
double PlotWindow::PixelX(double) const {
    return 0;
}
double PlotWindow::PixelY(double) const {
    return 0;
}
double PlotWindow::UserX(double) const {
    return 0;
}
double PlotWindow::UserY(double) const {
    return 0;
}
void PlotWindow::SetPosition(double x, double y) {
    curX_ = x, curY_ = y;
}
void PlotWindow::SetPen(PenStyle, int) {}
void PlotWindow::SetPen(int, int) {}
void PlotWindow::LineTo(double, double, Rgb) {}
void PlotWindow::Line(double, double, double, double, Rgb) {}
void PlotWindow::Rectangle(double, double, double, double, Rgb, std::optional<Rgb>) {}
void PlotWindow::SetPixel(double, double, Rgb) {}
void PlotWindow::SetTextColour(Rgb) {}
void PlotWindow::SetTextBackground(std::optional<Rgb>) {}
void PlotWindow::Print(std::string_view) {}
void PlotWindow::PrintLine(std::string_view) {}
double PlotWindow::TextHeightUser() const {
    return 0;
}
QImage& PlotWindow::Image() {
    return image_;
}
std::uint32_t* PlotWindow::ScanLine(int) {
    return nullptr;
}
void PlotWindow::FillPixels(int, int, int, int, Rgb) {}
void PlotWindow::FinishPainting() {}
void PlotWindow::Show() {}
void PlotWindow::Repaint() {}
Click PlotWindow::PollClick() {
    return {};
}
std::optional<int> PlotWindow::PollKey() {
    return kEscapeKey;
}
void PlotWindow::DisableClose() {}
void PlotWindow::Close() {
    closed_ = true;
}
void PlotWindow::SetExitPoint(double, double) {}
void PlotWindow::InjectClick(ClickKind, double, double) {}
void PlotWindow::InjectKey(int) {}
bool PlotWindow::SavePng(const std::string&) {
    return false;
}
void WaitMilliseconds(int) {}
void ClearClipboard() {}
void SetClipboardText(const std::string&) {}
std::string ClipboardText() {
    return {};
}

void DrawColourLegend(PlotWindow&, const Palette&, double, double, double) {}
void DrawExitControl(PlotWindow&, double, double) {}
bool IsExitClick(double x, double y, double nLon, double nLat) {
    return x > 1.03 * nLon && y > 0.97 * nLat;
}
WaitEnd WaitForUser(PlotWindow&, Console&, const std::function<bool(double, double)>&,
                    const std::function<void(const Click&)>&) {
    return WaitEnd::kEscape;
}
WaitEnd WaitForUser(PlotWindow&, Console&, double, double,
                    const std::function<void(const Click&)>&) {
    return WaitEnd::kEscape;
}

HeadlessArgs TakeHeadlessArgs(int, const char* const*) {
    return {};
}
HeadlessArgs TakeHeadlessArgs(const std::vector<std::string>&) {
    return {};
}
namespace {
HeadlessOptions& Options() {
    static HeadlessOptions options;
    return options;
}
}  // namespace
void SetHeadless(const HeadlessOptions& options) {
    Options() = options;
}
const HeadlessOptions& Headless() {
    return Options();
}

PositionForm ClassifyPosition(std::string_view) {
    return PositionForm::kSiteName;
}
ConsolePosition ResolvePosition(std::string_view, const std::string&, Console&) {
    return {};
}
ConsolePosition FindSite(std::string_view, const std::string&, Console&) {
    return {};
}
LatLong GridRefToLatLong(std::string_view) {
    return {};
}
LatLong LocatorCorner(std::string_view) {
    return {};
}
std::string NearLocator(double, double) {
    return {};
}
std::string GenGridRef(double, double) {
    return "Not valid";
}
DistanceBearing DistBearing(double, double, double, double) {
    return {};
}
std::optional<NearestSiteResult> NearestSite(double, double, const std::string&) {
    return {};
}
void PrintBasePositionLine(Console&, double, double, const std::string&, const std::string&,
                           std::int32_t, std::string_view) {}
std::string AskPosition(Console& console, std::string_view prompt) {
    return console.Ask(prompt);
}
}  // namespace console
