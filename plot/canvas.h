// The picture of a plot: a QImage drawn in the plot's user coordinates.
//
// All drawing is in user coordinates (plot/pixel_transform.h); whatever falls outside the image
// is clipped. Lines and text go through a QPainter; tools that draw millions of samples write
// pixels straight into the image (ScanLine, FillPixels) after FinishPainting. The canvas knows
// no window: plot/plot_window.h shows it and hands out the user's clicks.
#pragma once

#include <QImage>
#include <QPointF>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/georeference.h"
#include "console/palette.h"
#include "plot/pixel_transform.h"

class QPainter;

namespace plot {

using console::Rgb;

// The rule under a picture's title strip: darker than the no-data grey, so it is never counted
// as ground without heights.
inline constexpr Rgb kTitleStripRule{0x40, 0x40, 0x40};

// Pen styles of the platform's pen.
enum class PenStyle : int { kSolid = 0, kDash = 1, kDot = 2, kDashDot = 3, kDashDotDot = 4 };

class Canvas {
  public:
    // A picture of width_px x height_px (at least 1 x 1) filled with `background`, its user
    // coordinates its pixels until SetScale. `title` names it (the window caption, the KML
    // overlay's name).
    Canvas(std::string title, int width_px, int height_px, Rgb background = console::kWhite);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // --- scale and position -----------------------------------------------------------------
    void SetScale(double x1, double y1, double x2, double y2);  // top-left, bottom-right corners
    const PixelTransform& Transform() const { return transform_; }
    double PixelX(double x) const { return transform_.PixelX(x); }
    double PixelY(double y) const { return transform_.PixelY(y); }
    int PixelColumn(double x) const { return transform_.PixelColumn(x); }
    int PixelRow(double y) const { return transform_.PixelRow(y); }
    double UserX(double px) const { return transform_.UserX(px); }
    double UserY(double py) const { return transform_.UserY(py); }
    void SetPosition(double x, double y);  // the current position (text and relative lines)
    double CurrentX() const { return curX_; }
    double CurrentY() const { return curY_; }

    // --- drawing ------------------------------------------------------------------------------
    void SetPen(PenStyle style, int width_px = 1);
    void SetPen(int style, int width_px = 1);  // 0 solid ... 4 dash-dot-dot; others: solid
    // Line from the current position to (x, y); the current position moves to (x, y).
    void LineTo(double x, double y, Rgb colour);
    // Line from (x1, y1) to (x2, y2); the current position moves to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, Rgb colour);
    // Rectangle between two corners (both included), outlined in `outline` and filled with `fill`
    // or hollow. The outline is drawn with the current pen width, always solid.
    void Rectangle(double x1, double y1, double x2, double y2, Rgb outline,
                   std::optional<Rgb> fill = std::nullopt);
    // One pixel at (x, y); the current position moves there.
    void SetPixel(double x, double y, Rgb colour);

    // --- text ---------------------------------------------------------------------------------
    void SetTextColour(Rgb colour);
    void SetTextBackground(std::optional<Rgb> background);  // nullopt: transparent
    // Prints `text` with its top-left corner at the current position; the position moves on to
    // the end of the text on the same line.
    void Print(std::string_view text);
    // Prints `text` and ends the line: the position goes to the left edge (x1) one text line down.
    void PrintLine(std::string_view text = {});
    // Width in pixels that Print would give `text`.
    int TextWidthPx(std::string_view text) const;
    double TextHeightUser() const;  // height of one text line in user units (positive)
    int TextHeightPx() const;       // the pixel rows that line takes at the present scale
    // The text's pixel size: 12 px on pictures up to 660 px on their short side, growing with
    // the picture above that, so labels stay readable on large windows.
    int TextPixelSize() const { return textPixelSize_; }

    // Where each Print put its text, in pixels of the plot (not counting the title strip), for
    // checking that labels stay on the picture and apart from one another.
    struct TextBox {
        std::string text;
        int left_px = 0, top_px = 0, width_px = 0, height_px = 0;
    };
    const std::vector<TextBox>& TextBoxes() const { return textBoxes_; }

    // --- the title strip ----------------------------------------------------------------------
    // Lines that say what the picture shows (the tool, its sites and parameters, its results),
    // drawn in a strip above the plot in the window and in the saved PNG, so that a picture can
    // be understood on its own. A line too wide for the picture is wrapped at its spaces. The
    // plot's user coordinates and clicks are unchanged by the strip.
    void SetTitleStrip(std::vector<std::string> lines);
    const std::vector<std::string>& TitleStripLines() const { return titleLines_; }
    // The strip's height in pixels (0 without a strip), and the picture with the strip above the
    // plot (call FinishPainting first).
    int TitleStripHeightPx() const;
    QImage ComposedImage() const;

    // --- bulk drawing straight into the image ---------------------------------------------------
    // The image (Format_RGB32, width x height).
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    std::uint32_t* ScanLine(int row);                                 // nullptr outside the image
    void FillPixels(int px1, int py1, int px2, int py2, Rgb colour);  // inclusive, clipped
    void FinishPainting();  // ends the pending QPainter work so the image may be read or written

    const std::string& Title() const { return title_; }
    int WidthPx() const { return transform_.WidthPx(); }
    int HeightPx() const { return transform_.HeightPx(); }

    // --- on the earth, and on disk ------------------------------------------------------------
    // Lays the plot on the earth: its user coordinates map to degrees by `toDegrees`. Only for
    // plots whose pixels form a regular latitude/longitude grid (the maps of terrainplot and
    // visplot); SavePng then writes the georeference files beside the PNG.
    void SetGeoreference(const console::UserToLatLong& toDegrees);
    // The saved picture's pixel grid in degrees (the title strip's rows lie north of the plot),
    // nullopt when the plot has no georeference.
    std::optional<console::PixelGrid> Georeference() const;

    // Saves the image as PNG (through a temporary file and a rename), with the world file, .prj
    // and .kml beside it when the plot has a georeference and the PNG is a regular file
    // (console/georeference_files.h).
    // Returns the name of the first file that could not be written, "" when all were.
    std::string SavePng(const std::string& fileName);

  private:
    QPainter& Painter();
    QPointF ToPixel(double x, double y) const;

    std::string title_;
    PixelTransform transform_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    double curX_ = 0, curY_ = 0;
    PenStyle penStyle_ = PenStyle::kSolid;
    int penWidth_ = 1;
    Rgb textColour_ = console::kBlack;
    std::optional<Rgb> textBackground_;
    std::optional<console::UserToLatLong> toDegrees_;
    int textPixelSize_;
    std::vector<TextBox> textBoxes_;
    std::vector<std::string> titleLines_;
};

}  // namespace plot
