#include "click_readout.h"

#include <utility>

#include "console/console_constants.h"
#include "console/file_names.h"
#include "console/picture_mask.h"
#include "plot/clipboard.h"
#include "terrain_map.h"

namespace terrainplot {
namespace {

using console::Single;

// Positions in the bottom strip, as shares of nLon and nLat.
constexpr double kClearX = Single(0.011f);
constexpr double kReadoutX = Single(0.45f);
constexpr double kNameX = Single(0.01f);
constexpr double kStripY = Single(-0.005f);
constexpr int kStripBlanks = 80;

// Text colours, written blue-green-red.
constexpr console::Rgb kPositionColour = console::FromBgr(0xFF0000);  // pure blue
constexpr console::Rgb kBearingColour = console::FromBgr(0xA00050);
constexpr console::Rgb kHeightColour = console::FromBgr(0xA000C8);
constexpr console::Rgb kNameColour = console::FromBgr(0x0000FF);  // pure red

}  // namespace

ReadoutTexts MakeReadoutTexts(const std::string& locator, const std::string& gridRef,
                              const geodesy::DistanceBearing& fromCentre, std::int32_t height_m) {
    ReadoutTexts t;
    t.position = locator + " = " + gridRef;
    t.bearings = console::FormatMask(kBearingsMask, {fromCentre.distance_km, fromCentre.bearing_deg,
                                                     fromCentre.back_bearing_deg});
    t.height = console::FormatMask(kHeightMask, {double{1} * height_m});
    return t;
}

ClickReadout::ClickReadout(plot::Canvas& canvas, console::Console& console,
                           console::HgtTileStore& store, const terrainmap::MapRectangle& area,
                           const console::ConsolePosition& centre, std::string sitesPath,
                           std::int32_t maxPlot_m)
    : canvas_(canvas),
      console_(console),
      store_(store),
      area_(area),
      lat0_deg_(centre.latitude_deg),
      lon0_deg_(centre.longitude_deg),
      sitesPath_(std::move(sitesPath)),
      maxPlot_m_(maxPlot_m),
      siteText_(centre.text) {}

void ClickReadout::OnClick(const plot::Click& click) {
    if (click.kind == plot::ClickKind::kNone) return;
    Single(click.x, click.y);
    if (click.kind == plot::ClickKind::kDouble) LabelNearestSite(click.x, click.y);
}

void ClickReadout::Single(double x, double y) {
    const geodesy::LatLon p = FromPlot(area_, x, y);
    const std::string locator = geodesy::FormatLocatorRounded({p.lat_deg, p.lon_deg});
    const std::string gridRef = geodesy::FormatGridRef10m({p.lat_deg, p.lon_deg});
    const geodesy::DistanceBearing db =
        geodesy::DistBearBetween({lat0_deg_, lon0_deg_}, {p.lat_deg, p.lon_deg});
    store_.PointHeight(p.lat_deg, p.lon_deg, height_m_);
    const ReadoutTexts texts = MakeReadoutTexts(locator, gridRef, db, height_m_);

    // Blank the strip on white before the new read-out.
    canvas_.SetTextBackground(console::kWhite);
    canvas_.SetPosition(kClearX * area_.nLon, kStripY * area_.nLat);
    canvas_.PrintLine(std::string(kStripBlanks, ' '));

    canvas_.SetPosition(kReadoutX * area_.nLon, kStripY * area_.nLat);
    canvas_.SetTextColour(kPositionColour);
    canvas_.Print(texts.position);
    canvas_.SetTextColour(kBearingColour);
    canvas_.Print(texts.bearings);
    canvas_.SetTextColour(kHeightColour);
    canvas_.Print(texts.height);
    canvas_.PrintLine();

    plot::ClearClipboard();
    plot::SetClipboardText(locator);
}

void ClickReadout::LabelNearestSite(double x, double y) {
    const geodesy::LatLon p = FromPlot(area_, x, y);
    const std::optional<console::NearestSiteResult> nearest =
        console::NearestSite(p.lat_deg, p.lon_deg, sitesPath_);
    if (!nearest) {
        const bool haveFile =
            console::FileExistsIgnoringCase(console::NativePath(sitesPath_ + "SITES.DAT"));
        PrintNameLine(haveFile ? kNoSites : kNoSiteDatabase);
        return;
    }
    siteText_ = nearest->name;

    // The label goes where the name search puts it: the first site whose name contains the
    // nearest site's name.
    const console::ConsolePosition site = console::FindSite(siteText_, sitesPath_, console_);
    if (site.found) {
        const PlotPoint at = ToPlot(area_, site.latitude_deg, site.longitude_deg);
        canvas_.SetPosition(at.x, at.y);
        canvas_.SetTextColour(height_m_ > maxPlot_m_ / 4.0 ? console::kBlack : console::kWhite);
        canvas_.SetTextBackground(std::nullopt);
        canvas_.PrintLine(siteText_);
    }
    plot::ClearClipboard();
    plot::SetClipboardText(siteText_);
    PrintNameLine(siteText_);
}

void ClickReadout::PrintNameLine(std::string_view text) {
    canvas_.SetPosition(kNameX * area_.nLon, kStripY * area_.nLat);
    canvas_.SetTextColour(kNameColour);
    canvas_.SetTextBackground(console::kWhite);
    canvas_.PrintLine(console::FormatMask(kNameMask, {std::string(text)}));
}

}  // namespace terrainplot
