// The plot window of the drawing console tools, realised with Qt 6.
//
// Drawing goes into a QImage (the window's client area, in pixels) through a QPainter; a widget
// shows the image when the tool repaints and collects clicks and keys between the tool's polls.
// All drawing is in user coordinates set by SetScale: x from x1 at the left edge to x2 at the
// right edge, y from y1 at the top edge to y2 at the bottom edge (the tools use y1 > y2 so that y
// grows upwards). Whatever falls outside the image is clipped.
//
// In headless use (see console/headless.h) the window is never shown: the scripted clicks are
// handed out by PollClick in order, one each time the tool polls with nothing pending; then the
// image is saved as PNG and the tool is led out through its "Exit" control (or Escape when it has
// none, or when it only ever polls keys), as if the user had left.
#pragma once

#include <QImage>
#include <QPointF>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "console/georeference.h"
#include "console/palette.h"

class QPainter;

namespace console {

class PlotCanvas;  // the widget (internal)

enum class ClickKind { kNone, kSingle, kDouble };

struct Click {
    ClickKind kind = ClickKind::kNone;
    double x = 0;  // user coordinates
    double y = 0;
};

// Pen styles of the platform's pen.
enum class PenStyle : int { kSolid = 0, kDash = 1, kDot = 2, kDashDot = 3, kDashDotDot = 4 };

inline constexpr int kEscapeKey = 27;

// Makes sure a QApplication exists (created once, lazily; off Windows an offscreen platform is
// chosen when there is no display or when running headless). Every PlotWindow calls it.
void EnsureGuiApplication();

class PlotWindow {
  public:
    // A window with `caption` whose client area is width x height pixels, placed with its top-left
    // corner at screen position (left, top), background filled with `background`. Not shown yet.
    PlotWindow(std::string caption, int left, int top, int width_px, int height_px,
               Rgb background = kWhite);
    ~PlotWindow();
    PlotWindow(const PlotWindow&) = delete;
    PlotWindow& operator=(const PlotWindow&) = delete;

    // --- scale and position -----------------------------------------------------------------
    void SetScale(double x1, double y1, double x2, double y2);  // top-left, bottom-right corners
    double PixelX(double x) const;  // user x to pixel column (fractional; floor gives the pixel)
    double PixelY(double y) const;
    // The pixel that SetPixel, rectangles and lines use for a user coordinate: floor of PixelX /
    // PixelY, kept within +-1e8 so that far-off coordinates clip instead of overflowing.
    int PixelColumn(double x) const;
    int PixelRow(double y) const;
    double UserX(double px) const;  // inverse of PixelX (a pixel's centre is at px + 0.5)
    double UserY(double py) const;
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

    // --- bulk drawing straight into the image ---------------------------------------------------
    // The image (Format_RGB32, width x height). Tools that draw millions of samples write pixels
    // into it directly (ScanLine) after FinishPainting(); Repaint shows the result.
    QImage& Image();
    std::uint32_t* ScanLine(int row);                                 // nullptr outside the image
    void FillPixels(int px1, int py1, int px2, int py2, Rgb colour);  // inclusive, clipped
    void FinishPainting();  // ends the pending QPainter work so the image may be read or written

    // --- the window ---------------------------------------------------------------------------
    void Show();        // shows the window (does nothing headless)
    void Repaint();     // forced repaint: shows what has been drawn, serves pending window events
    Click PollClick();  // the next collected click, or kNone
    std::optional<int> PollKey();  // the next typed key code (27 for Escape), or nullopt
    void DisableClose();           // the title-bar close does nothing
    void Close();
    bool IsClosed() const { return closed_; }
    const std::string& Caption() const { return caption_; }
    int WidthPx() const { return width_; }
    int HeightPx() const { return height_; }

    // Where the tool's "Exit" control is, in user coordinates: a headless run leaves through a
    // click there after its scripted clicks. DrawExitControl sets it; tools with their own Exit
    // box set it themselves. Without one, a headless run leaves with the Escape key.
    void SetExitPoint(double x, double y);

    // Queues a click or key as if the user had made it (headless runs and tests).
    void InjectClick(ClickKind kind, double x, double y);
    void InjectKey(int key);

    // Lays the plot on the earth: its user coordinates map to degrees by `toDegrees`. Only for
    // plots whose pixels form a regular latitude/longitude grid (the maps of terrainplot and
    // visplot); SavePng then writes the georeference files beside the PNG.
    void SetGeoreference(const UserToLatLong& toDegrees);
    // The picture's pixel grid in degrees, nullopt when the plot has no georeference.
    std::optional<PixelGrid> Georeference() const;

    // Saves the image as PNG, with the world file, .prj and .kml beside it when the plot has a
    // georeference (console/georeference_files.h). False when a file cannot be written.
    bool SavePng(const std::string& fileName);

  private:
    QPainter& Painter();
    void HeadlessStep(bool fromKeyPoll);
    QPointF ToPixel(double x, double y) const;

    std::string caption_;
    int width_;
    int height_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PlotCanvas> canvas_;
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    double curX_ = 0, curY_ = 0;
    PenStyle penStyle_ = PenStyle::kSolid;
    int penWidth_ = 1;
    Rgb textColour_ = kBlack;
    std::optional<Rgb> textBackground_;
    bool closed_ = false;
    bool closeDisabled_ = false;
    bool headless_ = false;
    std::size_t scriptIndex_ = 0;  // next scripted click (headless)
    int headlessPhase_ = 0;        // 0 clicks, 1 exit sent, 2.. escapes sent
    bool clickPolled_ = false;     // the tool polls clicks (else only keys)
    std::optional<QPointF> exitPoint_;
    std::optional<UserToLatLong> toDegrees_;
    std::deque<Click> clicks_;
    std::deque<int> keys_;
    friend class PlotCanvas;
};

// Waits `milliseconds` while serving window events (the tools' 100 ms poll pause). Headless runs
// do not sleep.
void WaitMilliseconds(int milliseconds);

// The clipboard: empty it, and put a text on it.
void ClearClipboard();
void SetClipboardText(const std::string& text);
std::string ClipboardText();

}  // namespace console
