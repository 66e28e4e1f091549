#include "coverage_run.h"

#include <cmath>
#include <cstdio>

#include "console/exit_status.h"
#include "console/geotiff_file.h"
#include "console/picture_mask.h"
#include "console/position_entry.h"
#include "coverage_picture.h"
#include "level_key.h"
#include "level_raster.h"
#include "mastview/best_server.h"
#include "mastview/covered_area.h"
#include "plot/gui_application.h"
#include "plot/no_data.h"
#include "plot/plot_controls.h"
#include "visibility_plot.h"

namespace visplot {
namespace {

QRgb ToQRgb(console::Rgb c) {
    return qRgb(c.red, c.green, c.blue);
}

// A colour for every held level: the map's millions of samples look theirs up.
std::vector<QRgb> ColourTable(const LevelKey& key) {
    std::vector<QRgb> table(1 << 16);
    for (int raw = INT16_MIN; raw <= INT16_MAX; ++raw) {
        const QRgb colour =
            raw == mastview::LevelGrid::kNoLevel
                ? ToQRgb(console::kBlack)
                : ToQRgb(
                      key.entries[static_cast<std::size_t>(key.EntryOf(
                                      mastview::LevelGrid::ToDbm(static_cast<std::int16_t>(raw))))]
                          .colour);
        table[static_cast<std::size_t>(raw - INT16_MIN)] = colour;
    }
    return table;
}

mastview::BestServer Levels(const CoverageRequest& request,
                            const std::vector<Transmitter>& transmitters,
                            const mastview::SweepSetup& setup,
                            const mastview::PlotHeights& heights) {
    auto levelsOf = [&](const Transmitter& t) {
        const double ground_m = heights.At(mastview::Nearest(t.x), mastview::Nearest(t.y));
        return mastview::CoverageLevels(setup, heights, request.radio,
                                        {t.x, t.y, ground_m + t.mast_m});
    };
    mastview::BestServer best(levelsOf(transmitters.front()));
    for (std::size_t i = 1; i < transmitters.size(); ++i) best.Add(levelsOf(transmitters[i]));
    return best;
}

std::string Number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The best server picture: the plot in the colour of the transmitter that serves each sample
// (grey where a receiver of the given sensitivity hears none), the legend naming them.
bool WriteServerPicture(const std::string& fileName, const CoverageRequest& request,
                        const std::vector<Transmitter>& transmitters,
                        const mastview::BestServer& best, const mastview::MastView& view,
                        const terrain::NoDataMask& noData, const std::string& caption) {
    Legend legend{{"Best server"}, {}};
    for (std::size_t i = 0; i < transmitters.size(); ++i)
        legend.entries.push_back({ServerColour(static_cast<int>(i)), transmitters[i].name});
    const LevelKey covered =
        request.sensitivity_dBm ? CoveredKey(*request.sensitivity_dBm, request.radio) : LevelKey{};
    if (request.sensitivity_dBm) legend.entries.push_back(covered.entries.back());
    const int size = view.config.windowSize;
    const int strip = LegendStripPx(legend, size);
    plot::Canvas canvas(caption + "   Best server", size + strip, size);
    SetPlotFrame(canvas, view.area, strip);
    canvas.SetTitleStrip(TitleLines(
        view, "best server",
        Number("%g MHz", request.radio.frequency_MHz) + "   " +
            std::to_string(transmitters.size()) + " masts" +
            (request.sensitivity_dBm ? Number("   receiver %g dBm", *request.sensitivity_dBm)
                                     : std::string())));
    const mastview::LevelGrid& levels = best.Levels();
    PaintSamples(canvas, view.area, [&](int x, int y) {
        const std::uint8_t server = best.ServerAt(x, y);
        if (server == mastview::BestServer::kNoServer) return ToQRgb(console::kBlack);
        if (noData.At(x, y)) return ToQRgb(plot::kNoDataColour);
        if (request.sensitivity_dBm &&
            mastview::LevelGrid::ToDbm(levels.Raw(x, y)) < *request.sensitivity_dBm)
            return ToQRgb(covered.entries.back().colour);
        return ToQRgb(ServerColour(server));
    });
    DrawLegend(canvas, view.area, legend);
    return canvas.SavePng(fileName).empty();
}

}  // namespace

std::optional<std::vector<Transmitter>> PlaceTransmitters(const CoverageRequest& request,
                                                          const mastview::MastView& view,
                                                          console::Console& console) {
    const mastview::RadiusArea& area = view.area;
    std::vector<Transmitter> transmitters{
        {view.centre.text, area.nLon / 2.0, area.nLat / 2.0, view.mast_m}};
    for (const MastAt& mast : request.masts) {
        const console::ConsolePosition at =
            console::ResolvePosition(mast.site, view.config.sitesPath, console);
        if (at.siteFileMissing) return std::nullopt;
        if (!at.found) {
            console.PrintLine("Site not found: " + mast.site);
            return std::nullopt;
        }
        const double x = (at.longitude_deg - area.lonW_deg) * console::kSamplesPerDegree;
        const double y = (at.latitude_deg - area.latS_deg) * console::kSamplesPerDegree;
        const double u = 2.0 * x / area.nLon - 1.0, v = 2.0 * y / area.nLat - 1.0;
        if (u * u + v * v > 1.0) {
            const geodesy::DistanceBearing db = geodesy::DistBearBetween(
                {area.lat0_deg, area.lon0_deg}, {at.latitude_deg, at.longitude_deg});
            console.PrintLine(at.text + " is outside the plot: " + Number("%.1f", db.distance_km) +
                              " km from the centre, the radius is " +
                              Number("%.0f", area.radius_km) + " km");
            return std::nullopt;
        }
        transmitters.push_back({at.text, x, y, mast.mast_m});
    }
    return transmitters;
}

std::string CoverageCaption(const mastview::MastView& view, const CoverageRequest& request) {
    return "Received level, centred on " + view.centre.text +
           console::FormatMask(mastview::kMastCaptionMask, {view.mast_m}) + "   " +
           Number("%g MHz", request.radio.frequency_MHz) + "   " +
           Number("%g W ERP", request.radio.erp_W);
}

std::string ServerPictureName(const std::string& pngFile) {
    const std::size_t slash = pngFile.find_last_of("/\\");
    const std::size_t dot = pngFile.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return hasExtension ? pngFile.substr(0, dot) + "-server" + pngFile.substr(dot)
                        : pngFile + "-server";
}

int RunCoverage(const CoverageRequest& request, const std::vector<Transmitter>& transmitters,
                const mastview::MastView& view, const mastview::RadiusHeights& loaded,
                const std::optional<std::string>& geotiffFile,
                const console::HeadlessOptions& headless, console::Console& console,
                const std::string& sitesFile) {
    const mastview::SweepSetup setup = mastview::SweepSetupFor(view);
    const mastview::BestServer best = Levels(request, transmitters, setup, loaded.heights);
    const mastview::LevelGrid& levels = best.Levels();
    if (geotiffFile) {
        const std::string error =
            console::WriteGeoTiff(*geotiffFile, LevelRaster(view.area, levels, loaded.noData));
        if (!error.empty()) {
            console.PrintError(error + "\n");
            return console::kExitRefused;
        }
    }
    const LevelKey key = request.sensitivity_dBm
                             ? CoveredKey(*request.sensitivity_dBm, request.radio)
                             : BandKey(levels, request.radio);

    const Legend legend{key.heading, key.entries};
    // The legend's text is measured before the window that must hold it is made.
    plot::EnsureGuiApplication(headless.Active() ? plot::GuiPlatform::kOffscreen
                                                 : plot::GuiPlatform::kScreen);
    const int size = view.config.windowSize;
    const int strip = LegendStripPx(legend, size);
    const std::string caption = CoverageCaption(view, request);
    plot::PlotWindow window(caption, kWindowLeft_px, kWindowTop_px, size + strip, size, headless);
    VisibilityPlot plot(view, window, console, strip);
    plot.DrawFrame();
    const std::vector<QRgb> colours = ColourTable(key);
    // A level over ground without heights (read as sea level) would be a guess: no data.
    const QRgb noDataColour = ToQRgb(plot::kNoDataColour);
    PaintSamples(window.Picture(), view.area, [&](int x, int y) {
        const std::int16_t raw = levels.Raw(x, y);
        if (raw != mastview::LevelGrid::kNoLevel && loaded.noData.At(x, y)) return noDataColour;
        return colours[static_cast<std::size_t>(raw - INT16_MIN)];
    });
    DrawLegend(window.Picture(), view.area, legend);

    std::string results = Number("%g MHz", request.radio.frequency_MHz) + "   " +
                          Number("%g W ERP", request.radio.erp_W);
    if (request.sensitivity_dBm) {
        const mastview::CoveredArea covered =
            mastview::CoveredAreaOf(levels, view.area.latS_deg, *request.sensitivity_dBm);
        const std::string area = Number("%.1f", covered.covered_km2) + " km² (" +
                                 Number("%.1f", 100.0 * covered.Share()) + " % of the disc)";
        console.PrintLine("Covered area " + area);
        results += "   covered " + area;
    }
    if (transmitters.size() > 1) results += "   " + std::to_string(transmitters.size()) + " masts";
    window.Picture().SetTitleStrip(TitleLines(view, "received level", results));
    plot.DrawFurniture(sitesFile, false);
    int status = console::kExitNormal;
    if (transmitters.size() > 1 && !headless.pngFile.empty()) {
        const std::string serverFile = ServerPictureName(headless.pngFile);
        if (WriteServerPicture(serverFile, request, transmitters, best, view, loaded.noData,
                               caption)) {
            console.PrintLine("Best server picture " + serverFile);
        } else {
            console.PrintLine("Could not write " + serverFile);
            status = console::kExitRefused;
        }
    }
    plot::WaitForUser(window, console, view.area.nLon, view.area.nLat,
                      [&](const plot::Click& click) { plot.OnClick(click); });
    return status;
}

}  // namespace visplot
