#include "console/plot_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QThread>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "console/georeference_files.h"
#include "console/headless.h"

namespace console {

namespace {

// The window text font: the platform's sans-serif at about the size of a console tool's default.
constexpr int kTextPixelSize = 12;
// A headless run that keeps polling after it was led out through Exit and Escape is stuck:
// after this many further polls it is ended rather than left spinning.
constexpr int kHeadlessStuckPolls = 100000;

QRgb ToQRgb(Rgb c) {
    return qRgb(c.red, c.green, c.blue);
}
QColor ToQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

Qt::PenStyle ToQtPenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::kSolid:
            return Qt::SolidLine;
        case PenStyle::kDash:
            return Qt::DashLine;
        case PenStyle::kDot:
            return Qt::DotLine;
        case PenStyle::kDashDot:
            return Qt::DashDotLine;
        case PenStyle::kDashDotDot:
            return Qt::DashDotDotLine;
    }
    return Qt::SolidLine;
}

// Pixel index of a fractional pixel coordinate, kept inside int range so that far-off user
// coordinates clip instead of overflowing.
int PixelIndex(double p) {
    if (!(p > -1e8)) return -100000000;  // also NaN
    if (p > 1e8) return 100000000;
    return static_cast<int>(std::floor(p));
}

QFont WindowFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(kTextPixelSize);
    // Plain, unsmoothed glyphs in exactly the text colour, as on the tools' original windows.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

// The widget that shows the image and collects the user's clicks and keys between polls.
class PlotCanvas : public QWidget {
  public:
    explicit PlotCanvas(PlotWindow& owner) : owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, owner_.image_);
    }
    void mousePressEvent(QMouseEvent* e) override { Collect(ClickKind::kSingle, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Collect(ClickKind::kDouble, e); }
    void keyPressEvent(QKeyEvent* e) override {
        QString text = e->text();
        if (!text.isEmpty()) {
            owner_.keys_.push_back(text.at(0).unicode());
        } else if (e->key() == Qt::Key_Escape) {
            owner_.keys_.push_back(kEscapeKey);
        }
    }
    void closeEvent(QCloseEvent* e) override {
        if (owner_.closeDisabled_) {
            e->ignore();
            return;
        }
        // Closing the window from its title bar leaves like Escape, so no tool polls forever.
        owner_.keys_.push_back(kEscapeKey);
        e->accept();
    }

  private:
    void Collect(ClickKind kind, QMouseEvent* e) {
        QPointF at = e->position();
        owner_.clicks_.push_back(
            Click{kind, owner_.UserX(at.x() + 0.5), owner_.UserY(at.y() + 0.5)});
    }
    PlotWindow& owner_;
};

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
#ifndef _WIN32
    bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && (Headless().Active() || noDisplay)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    static int argc = 1;
    static char name[] = "console-tool";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: the tools create it on their first window.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

PlotWindow::PlotWindow(std::string caption, int left, int top, int width_px, int height_px,
                       Rgb background)
    : caption_(std::move(caption)),
      width_(width_px < 1 ? 1 : width_px),
      height_(height_px < 1 ? 1 : height_px),
      image_(width_, height_, QImage::Format_RGB32) {
    EnsureGuiApplication();
    image_.fill(ToQRgb(background));
    x2_ = width_;
    y2_ = height_;
    headless_ = Headless().Active();
    if (!headless_) {
        canvas_ = std::make_unique<PlotCanvas>(*this);
        canvas_->setWindowTitle(QString::fromStdString(caption_));
        canvas_->setFixedSize(width_, height_);
        canvas_->move(left, top);
    }
}

PlotWindow::~PlotWindow() {
    painter_.reset();
}

// --- scale
// ----------------------------------------------------------------------------------------

void PlotWindow::SetScale(double x1, double y1, double x2, double y2) {
    if (x1 == x2 || y1 == y2 || !std::isfinite(x1 + x2 + y1 + y2)) return;  // keep a usable scale
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

double PlotWindow::PixelX(double x) const {
    return (x - x1_) * width_ / (x2_ - x1_);
}
double PlotWindow::PixelY(double y) const {
    return (y - y1_) * height_ / (y2_ - y1_);
}
int PlotWindow::PixelColumn(double x) const {
    return PixelIndex(PixelX(x));
}
int PlotWindow::PixelRow(double y) const {
    return PixelIndex(PixelY(y));
}
double PlotWindow::UserX(double px) const {
    return x1_ + px * (x2_ - x1_) / width_;
}
double PlotWindow::UserY(double py) const {
    return y1_ + py * (y2_ - y1_) / height_;
}

QPointF PlotWindow::ToPixel(double x, double y) const {
    return QPointF(PixelIndex(PixelX(x)), PixelIndex(PixelY(y)));
}

void PlotWindow::SetPosition(double x, double y) {
    curX_ = x;
    curY_ = y;
}

// --- drawing ------------------------------------------------------------------------------------

QPainter& PlotWindow::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setFont(WindowFont());
    }
    return *painter_;
}

void PlotWindow::FinishPainting() {
    painter_.reset();
}

void PlotWindow::SetPen(PenStyle style, int width_px) {
    penStyle_ = style;
    penWidth_ = width_px < 1 ? 1 : width_px;
}

void PlotWindow::SetPen(int style, int width_px) {
    SetPen(style >= 0 && style <= 4 ? static_cast<PenStyle>(style) : PenStyle::kSolid, width_px);
}

void PlotWindow::LineTo(double x, double y, Rgb colour) {
    Line(curX_, curY_, x, y, colour);
}

void PlotWindow::Line(double x1, double y1, double x2, double y2, Rgb colour) {
    QPointF a = ToPixel(x1, y1);
    QPointF b = ToPixel(x2, y2);
    // Like the platform's pens, a pen wider than one pixel is always solid.
    Qt::PenStyle style = penWidth_ > 1 ? Qt::SolidLine : ToQtPenStyle(penStyle_);
    QPen pen(ToQColor(colour), penWidth_, style, Qt::FlatCap);
    QPainter& p = Painter();
    p.setPen(pen);
    if (a == b) {
        p.drawPoint(a);
    } else {
        p.drawLine(a, b);
    }
    curX_ = x2;
    curY_ = y2;
}

void PlotWindow::Rectangle(double x1, double y1, double x2, double y2, Rgb outline,
                           std::optional<Rgb> fill) {
    int px1 = PixelIndex(PixelX(x1)), px2 = PixelIndex(PixelX(x2));
    int py1 = PixelIndex(PixelY(y1)), py2 = PixelIndex(PixelY(y2));
    if (px1 > px2) std::swap(px1, px2);
    if (py1 > py2) std::swap(py1, py2);
    if (fill) FillPixels(px1, py1, px2, py2, *fill);
    if (penWidth_ <= 1) {
        // The one-pixel outline straight into the image: fast for the many sample squares.
        FillPixels(px1, py1, px2, py1, outline);
        FillPixels(px1, py2, px2, py2, outline);
        FillPixels(px1, py1, px1, py2, outline);
        FillPixels(px2, py1, px2, py2, outline);
    } else {
        QPainter& p = Painter();
        p.setPen(QPen(ToQColor(outline), penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(px1, py1), QPoint(px2, py2)).adjusted(0, 0, -1, -1));
    }
    curX_ = x2;
    curY_ = y2;
}

void PlotWindow::SetPixel(double x, double y, Rgb colour) {
    int px = PixelIndex(PixelX(x));
    int py = PixelIndex(PixelY(y));
    if (std::uint32_t* line = ScanLine(py); line != nullptr && px >= 0 && px < width_) {
        line[px] = ToQRgb(colour);
    }
    curX_ = x;
    curY_ = y;
}

QImage& PlotWindow::Image() {
    return image_;
}

std::uint32_t* PlotWindow::ScanLine(int row) {
    if (row < 0 || row >= height_) return nullptr;
    // The image is never shared (no copies are made of it), so this does not detach, and the
    // raster painter writes into the same memory, so direct writes and painting may be mixed.
    return reinterpret_cast<std::uint32_t*>(image_.scanLine(row));
}

void PlotWindow::FillPixels(int px1, int py1, int px2, int py2, Rgb colour) {
    if (px1 > px2) std::swap(px1, px2);
    if (py1 > py2) std::swap(py1, py2);
    px1 = std::max(px1, 0);
    py1 = std::max(py1, 0);
    px2 = std::min(px2, width_ - 1);
    py2 = std::min(py2, height_ - 1);
    if (px1 > px2 || py1 > py2) return;
    QRgb value = ToQRgb(colour);
    for (int y = py1; y <= py2; ++y) {
        std::uint32_t* line = ScanLine(y);
        std::fill(line + px1, line + px2 + 1, value);
    }
}

// --- text
// -----------------------------------------------------------------------------------------

void PlotWindow::SetTextColour(Rgb colour) {
    textColour_ = colour;
}
void PlotWindow::SetTextBackground(std::optional<Rgb> background) {
    textBackground_ = background;
}

void PlotWindow::Print(std::string_view text) {
    QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QFontMetrics metrics(WindowFont());
    int px = PixelIndex(PixelX(curX_));
    int py = PixelIndex(PixelY(curY_));
    int advance = metrics.horizontalAdvance(q);
    QPainter& p = Painter();
    if (textBackground_ && advance > 0) {
        p.fillRect(QRect(px, py, advance, metrics.height()), ToQColor(*textBackground_));
    }
    p.setPen(ToQColor(textColour_));
    p.drawText(QPoint(px, py + metrics.ascent()), q);
    curX_ = UserX(px + advance);
}

void PlotWindow::PrintLine(std::string_view text) {
    Print(text);
    QFontMetrics metrics(WindowFont());
    int py = PixelIndex(PixelY(curY_));
    curX_ = x1_;
    curY_ = UserY(py + metrics.height());
}

double PlotWindow::TextHeightUser() const {
    QFontMetrics metrics(WindowFont());
    return std::fabs(metrics.height() * (y2_ - y1_) / height_);
}

int PlotWindow::TextHeightPx() const {
    return PixelRow(0.0) - PixelRow(TextHeightUser());
}

// --- the window
// -------------------------------------------------------------------------------------

void PlotWindow::Show() {
    if (canvas_ && !closed_) {
        canvas_->show();
        canvas_->raise();
        QCoreApplication::processEvents();
    }
}

void PlotWindow::Repaint() {
    FinishPainting();
    if (canvas_ && !closed_) {
        canvas_->repaint();
    }
    QCoreApplication::processEvents();
}

void PlotWindow::HeadlessStep(bool fromKeyPoll) {
    if (!headless_) return;
    // Clicks drive the script: each click poll that finds nothing pending hands out the next
    // scripted click, so the tool has handled (and drawn) every earlier one by then. A tool that
    // only ever polls keys (no click handling) gets no clicks, only the final Escape.
    if (fromKeyPoll && clickPolled_) return;
    if (!clicks_.empty() || !keys_.empty()) return;
    const auto& script = Headless().clicks;
    if (!fromKeyPoll && scriptIndex_ < script.size()) {
        const ScriptedClick& c = script[scriptIndex_++];
        clicks_.push_back(Click{c.kind, c.x, c.y});
        return;
    }
    if (headlessPhase_ == 0) {
        // The script is done: the picture as the user would see it now, then out through Exit.
        if (!SavePng(Headless().pngFile)) {
            std::fprintf(stderr, "Cannot write %s\n", Headless().pngFile.c_str());
        }
        headlessPhase_ = 1;
        if (exitPoint_ && !fromKeyPoll) {
            clicks_.push_back(Click{ClickKind::kSingle, exitPoint_->x(), exitPoint_->y()});
            return;
        }
    }
    if (++headlessPhase_ > kHeadlessStuckPolls) {
        std::fprintf(stderr, "Headless run did not end after Exit and Escape\n");
        std::exit(3);
    }
    keys_.push_back(kEscapeKey);
}

Click PlotWindow::PollClick() {
    QCoreApplication::processEvents();
    clickPolled_ = true;
    HeadlessStep(false);
    if (clicks_.empty()) return Click{};
    Click c = clicks_.front();
    clicks_.pop_front();
    return c;
}

std::optional<int> PlotWindow::PollKey() {
    QCoreApplication::processEvents();
    HeadlessStep(true);
    if (keys_.empty()) return std::nullopt;
    int key = keys_.front();
    keys_.pop_front();
    return key;
}

void PlotWindow::DisableClose() {
    closeDisabled_ = true;
}

void PlotWindow::Close() {
    FinishPainting();
    closed_ = true;
    if (canvas_) {
        canvas_->hide();
        QCoreApplication::processEvents();
    }
}

void PlotWindow::SetExitPoint(double x, double y) {
    exitPoint_ = QPointF(x, y);
}

void PlotWindow::InjectClick(ClickKind kind, double x, double y) {
    clicks_.push_back(Click{kind, x, y});
}

void PlotWindow::InjectKey(int key) {
    keys_.push_back(key);
}

void PlotWindow::SetGeoreference(const UserToLatLong& toDegrees) {
    toDegrees_ = toDegrees;
}

std::optional<PixelGrid> PlotWindow::Georeference() const {
    if (!toDegrees_) return std::nullopt;
    return PictureGrid(width_, height_, UserScale{x1_, y1_, x2_, y2_}, *toDegrees_);
}

bool PlotWindow::SavePng(const std::string& fileName) {
    FinishPainting();
    if (!image_.save(QString::fromStdString(fileName), "PNG")) return false;
    const std::optional<PixelGrid> grid = Georeference();
    if (!grid) return true;
    const std::string failed = WriteGeoreferenceFiles(fileName, *grid, caption_);
    if (!failed.empty()) std::fprintf(stderr, "Cannot write %s\n", failed.c_str());
    return failed.empty();
}

void WaitMilliseconds(int milliseconds) {
    QCoreApplication::processEvents();
    if (Headless().Active() || milliseconds <= 0) return;
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    QCoreApplication::processEvents();
}

void ClearClipboard() {
    EnsureGuiApplication();
    QGuiApplication::clipboard()->clear();
}

void SetClipboardText(const std::string& text) {
    EnsureGuiApplication();
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string ClipboardText() {
    EnsureGuiApplication();
    return QGuiApplication::clipboard()->text().toStdString();
}

int PlotWindow::TextWidthPx(std::string_view text) const {
    return QFontMetrics(WindowFont())
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace console
