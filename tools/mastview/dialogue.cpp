#include "mastview/dialogue.h"

#include "console/numbers.h"
#include "console/picture_mask.h"
#include "mastview/area_loader.h"
#include "mastview/mastview_options.h"
#include "mastview/sweep.h"
#include "terrain/sample_lookup.h"

namespace mastview {

namespace {

// Mast heights and K factors below this are taken as "not given".
constexpr double kSmallestAnswer = console::Single(0.01f);
// The end of a run whose input ended while the radius was asked again.
constexpr std::string_view kNoRadiusLine = "No usable radius given before the input ended";
// Radii below this take the default radius.
constexpr double kSmallestRadius_km = console::Single(0.001f);

double AskNumber(console::Console& console, std::string_view prompt, std::string_view question,
                 double fallback) {
    const double v = console::LeadingNumber(console.Ask(prompt, question));
    return v < kSmallestAnswer ? fallback : v;
}

// Asks for the radius until an area of that radius round the centre can be held; the default
// stands for an answer below 0.001 km. The default is d0 when an area of that radius can be
// held, else the largest radius that can; a radius refused as too large is answered with that
// largest radius. nullopt when the input ends before a usable radius, or when the refused radius
// was given on the command line (a script's answer is not asked for again: nobody would type
// another).
std::optional<RadiusArea> AskRadius(console::Console& console, const MastView& view) {
    const double lat = view.centre.latitude_deg, lon = view.centre.longitude_deg;
    const double d0 = DefaultRadius_km(view.ground_m + view.mast_m, view.kFactor);
    const int largest = LargestRadius_km(lat, lon);
    const double offered = d0 > largest && largest > 0 && !MakeRadiusArea(lat, lon, d0).area
                               ? static_cast<double>(largest)
                               : d0;
    for (bool asked = false;; asked = true) {
        const std::string answer =
            console.Ask(console::FormatMask(kRadiusMask, {offered}), kRadiusOption);
        // Asked again after a refusal, the end of input is no answer: taking the default then
        // would draw another radius than the one the user gave.
        if (asked && answer.empty() && console.InputEnded()) {
            console.PrintLine(kNoRadiusLine);
            return std::nullopt;
        }
        const double typed = console::LeadingNumber(answer);
        const double rd = typed < kSmallestRadius_km ? offered : typed;
        RadiusAreaResult result = MakeRadiusArea(lat, lon, rd);
        if (result.area) return result.area;
        console.PrintLine(result.error == kRadiusTooLarge ? RadiusTooLargeLine(largest)
                                                          : result.error);
        if (console.LastAnswerGiven() || console.InputEnded()) return std::nullopt;
    }
}

}  // namespace

std::optional<MastView> RunDialogue(const console::ToolProfile& profile, console::Console& console,
                                    std::string_view commandTail, GroundHeightFrom ground,
                                    const std::filesystem::path& dir) {
    std::optional<console::StartUpResult> start =
        console::StartUp(profile, console, commandTail, dir);
    if (!start) return std::nullopt;
    MastView view;
    view.config = start->config;
    view.store = std::make_unique<console::HgtTileStore>(view.config.heightPath, console,
                                                         profile.area, profile.tileDecoding);
    console::HgtTileStore& store = *view.store;

    std::string text = start->siteText;
    if (text.empty()) text = console::AskPosition(console, kMastCentrePrompt);
    if (text.empty()) return std::nullopt;
    view.centre = console::ResolvePosition(text, view.config.sitesPath, console);
    if (view.centre.siteFileMissing) return std::nullopt;
    if (!view.centre.found) {
        console.PrintLine("Site not found");
        return std::nullopt;
    }
    const double lat = view.centre.latitude_deg, lon = view.centre.longitude_deg;

    view.mast_m = AskNumber(console, kMastPrompt, kMastOption, console::kDefaultMastHeight_m);
    console.PrintLine();
    view.kFactor = AskNumber(console, kKFactorPrompt, kKOption, console::kDefaultKFactor);
    console.PrintLine();

    store.LoadTile(store.TileFileName(lat, lon));
    if (ground == GroundHeightFrom::kTileFile)
        store.PointHeight(lat, lon, view.ground_m);
    else
        view.ground_m = terrain::HeightAtOrBelow(store.Tile(), lat, lon);
    const std::string locator = geodesy::FormatLocatorRounded({lat, lon});
    const std::string gridRef = geodesy::FormatGridRef10m({lat, lon});
    console.PrintLine();

    std::optional<RadiusArea> area = AskRadius(console, view);
    if (!area) return std::nullopt;
    view.area = *area;
    console::PrintBasePositionLine(console, lat, lon, locator, gridRef, view.ground_m,
                                   console::kBaseLineMaskShort);
    return view;
}

SweepSetup SweepSetupFor(const MastView& view) {
    SweepSetup setup;
    setup.radius_km = view.area.radius_km;
    setup.kFactor = view.kFactor;
    setup.ground_m = view.ground_m;
    setup.mast_m = view.mast_m;
    setup.nLon = view.area.nLon;
    setup.nLat = view.area.nLat;
    setup.x0 = view.area.x0;
    setup.y0 = view.area.y0;
    return setup;
}

}  // namespace mastview
