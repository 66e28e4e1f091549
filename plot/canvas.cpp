#include "plot/canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "console/file_names.h"
#include "console/georeference_files.h"

namespace plot {

namespace {

// The window text font: the platform's sans-serif at about the size of a console tool's default,
// on pictures up to kTextGrowsAbove_px on their short side; above that it grows with the picture
// (one pixel of text per kPictureSidePerTextPixel pixels), so it keeps its share of a large window.
constexpr int kTextPixelSize = 12;
constexpr int kPictureSidePerTextPixel = 55;
constexpr int kTextGrowsAbove_px = kTextPixelSize * kPictureSidePerTextPixel;

// The title strip's text is a little larger than the labels, with a margin round it.
constexpr int kTitleExtraPixels = 1;
constexpr int kTitleMargin_px = 4;
constexpr Rgb kTitleBackground{0xf0, 0xf0, 0xf0};

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

int TextPixelSizeFor(int width_px, int height_px) {
    const int shortSide = std::min(width_px, height_px);
    return shortSide <= kTextGrowsAbove_px ? kTextPixelSize : shortSide / kPictureSidePerTextPixel;
}

QFont WindowFont(int pixelSize) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    // Plain, unsmoothed glyphs in exactly the text colour, as on the tools' original windows.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont TitleFont(int labelPixelSize) {
    QFont font = WindowFont(labelPixelSize + kTitleExtraPixels);
    font.setBold(true);
    return font;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Canvas::Canvas(std::string title, int width_px, int height_px, Rgb background)
    : title_(std::move(title)),
      transform_(width_px, height_px),
      image_(transform_.WidthPx(), transform_.HeightPx(), QImage::Format_RGB32),
      textPixelSize_(TextPixelSizeFor(transform_.WidthPx(), transform_.HeightPx())) {
    image_.fill(ToQRgb(background));
}

Canvas::~Canvas() {
    painter_.reset();
}

// --- scale --------------------------------------------------------------------------------------

void Canvas::SetScale(double x1, double y1, double x2, double y2) {
    transform_.SetScale(x1, y1, x2, y2);
}

QPointF Canvas::ToPixel(double x, double y) const {
    return QPointF(PixelColumn(x), PixelRow(y));
}

void Canvas::SetPosition(double x, double y) {
    curX_ = x;
    curY_ = y;
}

// --- drawing ------------------------------------------------------------------------------------

QPainter& Canvas::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setFont(WindowFont(textPixelSize_));
    }
    return *painter_;
}

void Canvas::FinishPainting() {
    painter_.reset();
}

void Canvas::SetPen(PenStyle style, int width_px) {
    penStyle_ = style;
    penWidth_ = width_px < 1 ? 1 : width_px;
}

void Canvas::SetPen(int style, int width_px) {
    SetPen(style >= 0 && style <= 4 ? static_cast<PenStyle>(style) : PenStyle::kSolid, width_px);
}

void Canvas::LineTo(double x, double y, Rgb colour) {
    Line(curX_, curY_, x, y, colour);
}

void Canvas::Line(double x1, double y1, double x2, double y2, Rgb colour) {
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

void Canvas::Rectangle(double x1, double y1, double x2, double y2, Rgb outline,
                       std::optional<Rgb> fill) {
    int px1 = PixelColumn(x1), px2 = PixelColumn(x2);
    int py1 = PixelRow(y1), py2 = PixelRow(y2);
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

void Canvas::SetPixel(double x, double y, Rgb colour) {
    const int px = PixelColumn(x);
    const int py = PixelRow(y);
    if (std::uint32_t* line = ScanLine(py); line != nullptr && px >= 0 && px < WidthPx()) {
        line[px] = ToQRgb(colour);
    }
    curX_ = x;
    curY_ = y;
}

std::uint32_t* Canvas::ScanLine(int row) {
    if (row < 0 || row >= HeightPx()) return nullptr;
    // The image is never shared (no copies are made of it), so this does not detach, and the
    // raster painter writes into the same memory, so direct writes and painting may be mixed.
    return reinterpret_cast<std::uint32_t*>(image_.scanLine(row));
}

void Canvas::FillPixels(int px1, int py1, int px2, int py2, Rgb colour) {
    if (px1 > px2) std::swap(px1, px2);
    if (py1 > py2) std::swap(py1, py2);
    px1 = std::max(px1, 0);
    py1 = std::max(py1, 0);
    px2 = std::min(px2, WidthPx() - 1);
    py2 = std::min(py2, HeightPx() - 1);
    if (px1 > px2 || py1 > py2) return;
    const QRgb value = ToQRgb(colour);
    for (int y = py1; y <= py2; ++y) {
        std::uint32_t* line = ScanLine(y);
        std::fill(line + px1, line + px2 + 1, value);
    }
}

// --- text ---------------------------------------------------------------------------------------

void Canvas::SetTextColour(Rgb colour) {
    textColour_ = colour;
}
void Canvas::SetTextBackground(std::optional<Rgb> background) {
    textBackground_ = background;
}

void Canvas::Print(std::string_view text) {
    const QString q = ToQString(text);
    const QFontMetrics metrics(WindowFont(textPixelSize_));
    const int px = PixelColumn(curX_);
    const int py = PixelRow(curY_);
    const int advance = metrics.horizontalAdvance(q);
    QPainter& p = Painter();
    if (textBackground_ && advance > 0) {
        p.fillRect(QRect(px, py, advance, metrics.height()), ToQColor(*textBackground_));
    }
    p.setPen(ToQColor(textColour_));
    p.drawText(QPoint(px, py + metrics.ascent()), q);
    if (advance > 0)
        textBoxes_.push_back(TextBox{std::string(text), px, py, advance, metrics.height()});
    curX_ = UserX(px + advance);
}

void Canvas::PrintLine(std::string_view text) {
    Print(text);
    const QFontMetrics metrics(WindowFont(textPixelSize_));
    const int py = PixelRow(curY_);
    curX_ = transform_.Corners().x1;
    curY_ = UserY(py + metrics.height());
}

int Canvas::TextWidthPx(std::string_view text) const {
    return QFontMetrics(WindowFont(textPixelSize_)).horizontalAdvance(ToQString(text));
}

double Canvas::TextHeightUser() const {
    return transform_.UserHeight(QFontMetrics(WindowFont(textPixelSize_)).height());
}

int Canvas::TextHeightPx() const {
    return PixelRow(0.0) - PixelRow(TextHeightUser());
}

// --- on the earth, and on disk ------------------------------------------------------------------

void Canvas::SetGeoreference(const console::UserToLatLong& toDegrees) {
    toDegrees_ = toDegrees;
}

std::optional<console::PixelGrid> Canvas::Georeference() const {
    if (!toDegrees_) return std::nullopt;
    std::optional<console::PixelGrid> grid =
        console::PictureGrid(WidthPx(), HeightPx(), transform_.Corners(), *toDegrees_);
    const int strip = TitleStripHeightPx();
    if (grid && strip > 0) {
        grid->height_px += strip;
        grid->firstCentreLat_deg += strip * grid->pixelHeight_deg;
    }
    return grid;
}

// --- the title strip ----------------------------------------------------------------------------

namespace {

// The lines as they are drawn in a strip `width_px` wide: each wrapped at its spaces so that no
// piece is wider than the strip (a single word wider than the strip stays whole).
std::vector<QString> WrappedTitleLines(const std::vector<std::string>& lines, const QFont& font,
                                       int width_px) {
    const QFontMetrics metrics(font);
    const int room = width_px - 2 * kTitleMargin_px;
    std::vector<QString> wrapped;
    for (const std::string& line : lines) {
        const QStringList words = ToQString(line).split(QLatin1Char(' '));
        QString current;
        for (const QString& word : words) {
            const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > room) {
                wrapped.push_back(current);
                current = word;
            } else {
                current = candidate;
            }
        }
        wrapped.push_back(current);
    }
    return wrapped;
}

}  // namespace

void Canvas::SetTitleStrip(std::vector<std::string> lines) {
    titleLines_ = std::move(lines);
}

int Canvas::TitleStripHeightPx() const {
    if (titleLines_.empty()) return 0;
    const QFont font = TitleFont(textPixelSize_);
    const auto lines = WrappedTitleLines(titleLines_, font, WidthPx());
    return static_cast<int>(lines.size()) * QFontMetrics(font).height() + 2 * kTitleMargin_px + 1;
}

QImage Canvas::ComposedImage() const {
    const int strip = TitleStripHeightPx();
    if (strip == 0) return image_;
    QImage composed(WidthPx(), HeightPx() + strip, QImage::Format_RGB32);
    composed.fill(ToQRgb(kTitleBackground));
    QPainter p(&composed);
    const QFont font = TitleFont(textPixelSize_);
    const QFontMetrics metrics(font);
    p.setFont(font);
    p.setPen(ToQColor(console::kBlack));
    int y = kTitleMargin_px;
    for (const QString& line : WrappedTitleLines(titleLines_, font, WidthPx())) {
        p.drawText(QPoint(kTitleMargin_px, y + metrics.ascent()), line);
        y += metrics.height();
    }
    p.setPen(ToQColor(kTitleStripRule));
    p.drawLine(0, strip - 1, WidthPx() - 1, strip - 1);
    p.drawImage(0, strip, image_);
    return composed;
}

std::string Canvas::SavePng(const std::string& fileName) {
    FinishPainting();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!ComposedImage().save(&buffer, "PNG") ||
        !console::WriteFileAtomically(
            fileName,
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return fileName;
    }
    const std::optional<console::PixelGrid> grid = Georeference();
    // A picture written into a device or a FIFO has no folder of its own to sit in.
    if (!grid || !console::IsRegularFile(fileName)) return {};
    return console::WriteGeoreferenceFiles(fileName, *grid, title_);
}

}  // namespace plot
