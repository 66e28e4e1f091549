#include "plot/map_furniture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace plot {

namespace {

// Every dark line and text of the furniture.
constexpr console::Rgb kBlack = kMapInk;
using console::kWhite;

int MarginPx(const Canvas& canvas) {
    return std::max(3, LineHeightPx(canvas) / 3);
}

void Ring(Canvas& canvas, int cx, int cy, int r, console::Rgb colour) {
    canvas.FillPixels(cx - r, cy - r, cx + r, cy - r, colour);
    canvas.FillPixels(cx - r, cy + r, cx + r, cy + r, colour);
    canvas.FillPixels(cx - r, cy - r, cx - r, cy + r, colour);
    canvas.FillPixels(cx + r, cy - r, cx + r, cy + r, colour);
}

void Plate(Canvas& canvas, const PixelBox& box) {
    canvas.FinishPainting();
    canvas.FillPixels(box.left, box.top, box.right, box.bottom, kWhite);
    canvas.FillPixels(box.left, box.top, box.right, box.top, kBlack);
    canvas.FillPixels(box.left, box.bottom, box.right, box.bottom, kBlack);
    canvas.FillPixels(box.left, box.top, box.left, box.bottom, kBlack);
    canvas.FillPixels(box.right, box.top, box.right, box.bottom, kBlack);
}

bool Overlap(const PixelBox& a, const PixelBox& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool Inside(const PixelBox& inner, const PixelBox& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

PixelBox BoxOf(const Canvas::TextBox& t) {
    return {t.left_px, t.top_px, t.left_px + t.width_px - 1, t.top_px + t.height_px - 1};
}

void PrintAt(Canvas& canvas, int left_px, int top_px, const std::string& text) {
    canvas.SetPosition(canvas.UserX(left_px + 0.5), canvas.UserY(top_px + 0.5));
    canvas.Print(text);
}

// Even-odd test of pixel centre (px, py) against a polygon.
bool InPolygon(double px, double py, const std::vector<std::pair<double, double>>& poly) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const auto [xi, yi] = poly[i];
        const auto [xj, yj] = poly[j];
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
}

}  // namespace

int CentreMarkerHalfPx(const Canvas& canvas) {
    return std::max(5, canvas.TextPixelSize() / 2);
}

void DrawCentreMarker(Canvas& canvas, double x, double y) {
    const int cx = canvas.PixelColumn(x);
    const int cy = canvas.PixelRow(y);
    const int s = CentreMarkerHalfPx(canvas);
    canvas.FinishPainting();
    Ring(canvas, cx, cy, s, kBlack);
    Ring(canvas, cx, cy, s - 1, kWhite);
    Ring(canvas, cx, cy, s - 2, kWhite);
    Ring(canvas, cx, cy, s - 3, kBlack);
}

int DrawSites(Canvas& canvas, const std::vector<MapSite>& sites, const PixelBox& within,
              const std::vector<PixelBox>& keepOut) {
    const int half = std::max(2, canvas.TextPixelSize() / 5);
    const int th = LineHeightPx(canvas);
    const int gap = std::max(2, half);
    struct Placed {
        const MapSite* site;
        PixelBox square;
    };
    std::vector<Placed> shown;
    for (const MapSite& site : sites) {
        const int cx = canvas.PixelColumn(site.x);
        const int cy = canvas.PixelRow(site.y);
        const PixelBox square{cx - half, cy - half, cx + half, cy + half};
        if (!Inside(square, within)) continue;
        if (std::any_of(keepOut.begin(), keepOut.end(),
                        [&](const PixelBox& k) { return Overlap(square, k); }))
            continue;
        shown.push_back({&site, square});
    }
    canvas.FinishPainting();
    for (const Placed& p : shown) {
        canvas.FillPixels(p.square.left, p.square.top, p.square.right, p.square.bottom, kWhite);
        Ring(canvas, (p.square.left + p.square.right) / 2, (p.square.top + p.square.bottom) / 2,
             half, kBlack);
    }
    int named = 0;
    canvas.SetTextColour(kBlack);
    canvas.SetTextBackground(kWhite);
    for (const Placed& p : shown) {
        if (p.site->name.empty()) continue;
        const int w = canvas.TextWidthPx(p.site->name);
        const PixelBox& q = p.square;
        const int cy = (q.top + q.bottom) / 2, cx = (q.left + q.right) / 2;
        const PixelBox candidates[] = {
            {q.right + gap, cy - th / 2, q.right + gap + w - 1, cy - th / 2 + th - 1},
            {q.left - gap - w, cy - th / 2, q.left - gap - 1, cy - th / 2 + th - 1},
            {cx - w / 2, q.top - gap - th, cx - w / 2 + w - 1, q.top - gap - 1},
            {cx - w / 2, q.bottom + gap, cx - w / 2 + w - 1, q.bottom + gap + th - 1},
        };
        for (const PixelBox& box : candidates) {
            if (!Inside(box, within)) continue;
            const auto& texts = canvas.TextBoxes();
            if (std::any_of(texts.begin(), texts.end(),
                            [&](const Canvas::TextBox& t) { return Overlap(box, BoxOf(t)); }))
                continue;
            if (std::any_of(keepOut.begin(), keepOut.end(),
                            [&](const PixelBox& k) { return Overlap(box, k); }))
                continue;
            if (std::any_of(shown.begin(), shown.end(),
                            [&](const Placed& o) { return Overlap(box, o.square); }))
                continue;
            PrintAt(canvas, box.left, box.top, p.site->name);
            ++named;
            break;
        }
    }
    canvas.SetTextBackground(std::nullopt);
    return named;
}

double ScaleBarKm(double mapWidth_km) {
    const double most = mapWidth_km / 4;
    if (!(most > 0) || !std::isfinite(most)) return 0;
    const double decade = std::pow(10.0, std::floor(std::log10(most)));
    for (const double f : {5.0, 2.0, 1.0})
        if (f * decade <= most * (1 + 1e-9)) return f * decade;
    return decade;
}

PixelBox DrawScaleBar(Canvas& canvas, double pxPerKm, const PixelBox& map) {
    if (!(pxPerKm > 0)) return {};
    const double km = ScaleBarKm(map.Width() / pxPerKm);
    const int length = static_cast<int>(std::lround(km * pxPerKm));
    const int th = LineHeightPx(canvas);
    const int m = MarginPx(canvas);
    char text[32];
    std::snprintf(text, sizeof text, "%g km", km);
    const int labelWidth = canvas.TextWidthPx(text);
    const PixelBox plate{map.left + m, map.bottom - m - (th + 2 * m) + 1,
                         map.left + m + length + labelWidth + 3 * m - 1, map.bottom - m};
    if (length < 4 || !Inside(plate, map)) return {};
    Plate(canvas, plate);
    const int barHeight = std::max(4, th / 3);
    const int barTop = plate.top + m + (th - barHeight) / 2;
    const int left = plate.left + m;
    const int middle = left + length / 2;
    canvas.FillPixels(left, barTop, middle - 1, barTop + barHeight - 1, kBlack);
    canvas.FillPixels(middle, barTop, left + length - 1, barTop, kBlack);
    canvas.FillPixels(middle, barTop + barHeight - 1, left + length - 1, barTop + barHeight - 1,
                      kBlack);
    canvas.FillPixels(left + length - 1, barTop, left + length - 1, barTop + barHeight - 1, kBlack);
    canvas.SetTextColour(kBlack);
    canvas.SetTextBackground(std::nullopt);
    PrintAt(canvas, left + length + m, plate.top + m, text);
    return plate;
}

PixelBox DrawNorthArrow(Canvas& canvas, const PixelBox& map, double dx, double dy) {
    const int th = LineHeightPx(canvas);
    const int m = MarginPx(canvas);
    const int arrow = std::max(14, 2 * th);
    const int width = std::max(arrow, canvas.TextWidthPx("N")) + 2 * m;
    const PixelBox plate{map.left + m, map.top + m, map.left + m + width - 1,
                         map.top + m + th + arrow + 2 * m - 1};
    if (!Inside(plate, map)) return {};
    Plate(canvas, plate);
    const double norm = std::hypot(dx, dy);
    if (!(norm > 0)) return plate;
    const double ux = dx / norm, uy = dy / norm;  // towards north
    const double px = -uy, py = ux;               // across
    const double cx = (plate.left + plate.right + 1) / 2.0;
    const double cy = plate.top + m + th + arrow / 2.0;
    const double r = arrow / 2.0 - 1;
    // An arrowhead with a notched tail: the tip, one barb, the notch, the other barb.
    const std::vector<std::pair<double, double>> head{
        {cx + ux * r, cy + uy * r},
        {cx - ux * r + px * r * 0.6, cy - uy * r + py * r * 0.6},
        {cx - ux * r * 0.4, cy - uy * r * 0.4},
        {cx - ux * r - px * r * 0.6, cy - uy * r - py * r * 0.6},
    };
    canvas.FinishPainting();
    for (int y = plate.top + m + th; y < plate.bottom - m + 1; ++y)
        for (int x = plate.left + 1; x < plate.right; ++x)
            if (InPolygon(x + 0.5, y + 0.5, head)) canvas.FillPixels(x, y, x, y, kBlack);
    canvas.SetTextColour(kBlack);
    canvas.SetTextBackground(std::nullopt);
    PrintAt(canvas, static_cast<int>(cx - canvas.TextWidthPx("N") / 2.0), plate.top + m, "N");
    return plate;
}

}  // namespace plot
