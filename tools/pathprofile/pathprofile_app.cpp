#include "pathprofile_app.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <vector>

#include "console/console_constants.h"
#include "console/exit_status.h"
#include "console/file_names.h"
#include "console/no_data_lines.h"
#include "console/numbers.h"
#include "console/picture_mask.h"
#include "console/position_entry.h"
#include "console/tool_config.h"
#include "link_figures.h"
#include "path_geometry.h"
#include "path_loss.h"
#include "path_tiles.h"
#include "profile.h"
#include "profile_csv.h"
#include "profile_title.h"
#include "profile_view.h"
#include "radio_report.h"
#include "radiolink/radio_propagation.h"
#include "run.h"
#include "tool_options.h"

namespace pathprofile {
namespace {

using console::Colour;

constexpr std::string_view kDistanceMask = "Dist ####.##km  Bearing ###.#° [Back ###.#°]";
constexpr std::string_view kCaptionMask = "####.#km ###.#° [Back ###.#°]";
constexpr std::string_view kClearanceMask = " worst clearance #####.#m at ####.##km from base";
const std::string kDottedRule(48, '.');

struct Base {
    std::string text;  // as typed, or the site's full name
    LatLon position;
    double mast_m = console::kDefaultMastHeight_m;
};

// Everything that lives across the distant-site loop.
struct Session {
    console::Console& console;
    std::filesystem::path dir;  // working folder of the configuration file
    console::ToolConfig config;
    console::HeadlessOptions headless;
    RadioOptions radio;
    Base base;
    double k_factor = console::kDefaultKFactor;
    std::string last_distant;
    int profiles_drawn = 0;
    // A distant site refused (not found, too far, the base itself) or a CSV not written: the run
    // goes on to the next one, and ends with exit status 1 so that a script can tell.
    bool any_refused = false;
    // A headless window's failed script (console/headless.h): the run ends with its status.
    std::optional<int> window_failure;
    // Windows left open by a key after a click stay on screen until the program ends.
    std::vector<std::unique_ptr<plot::PlotWindow>> open_windows;
};

enum class LoopStep { kNext, kEnd, kFatal };

// Asks `ask` until `read` takes its answer, printing `refusal` after each one it refuses.
// Asked again after a refusal, the end of input is no answer (taking the default then would draw
// with another value than the one the user gave): nullopt, and the run ends.
template <typename Ask, typename Read>
std::optional<double> AskUntilUsable(console::Console& console, Ask ask, Read read,
                                     std::string_view refusal) {
    for (bool asked = false;; asked = true) {
        const std::string answer = ask();
        if (asked && answer.empty() && console.InputEnded()) {
            console.PrintLine(refusal);
            return std::nullopt;
        }
        if (const std::optional<double> value = read(answer)) return value;
        console.PrintLine(refusal);
    }
}

// Asks for a mast height until the answer is one (an empty answer is the default).
std::optional<double> AskMastHeight(console::Console& console, std::string_view prompt,
                                    std::string_view question) {
    return AskUntilUsable(
        console, [&] { return console.Ask(prompt, question); },
        [](std::string_view answer) { return MastHeightAnswer(answer); }, kMastRefusal);
}

// Asks for the K of the next path until the answer is one (an empty answer keeps `current`).
std::optional<double> AskKFactor(console::Console& console, double current) {
    return AskUntilUsable(
        console,
        [&] { return console.Ask(console::FormatMask(kKPromptMask, {current}), kKOption); },
        [current](std::string_view answer) { return KFactorAnswer(answer, current); }, kKRefusal);
}

std::string DistanceLine(const geodesy::DistanceBearing& path) {
    return console::FormatMask(kDistanceMask,
                               {path.distance_km, path.bearing_deg, path.back_bearing_deg});
}

std::string ClearanceLine(const Clearance& clearance) {
    return std::string(clearance.Clear() ? "Line of sight clear,  " : "Line of sight blocked,") +
           console::FormatMask(kClearanceMask, {clearance.worst_m, clearance.at_km});
}

// Lines at the clearance line's column in light cyan.
void PrintFigureLines(console::Console& console, const std::vector<std::string>& lines) {
    console.SetColour(Colour::kLightCyan);
    for (const std::string& text : lines) {
        console.MoveToColumn(kClearanceLineColumn);
        console.PrintLine(text);
    }
    console.SetColour(Colour::kLightGrey);
}

// The Fresnel zone's clearance and the path loss at the frequency of the run, printed under the
// line of sight's line (the link budget's lines follow them).
std::vector<std::string> RadioLines(const Profile& profile, const SightLine& line,
                                    const LinkFigures& link) {
    const double wavelength_m = radiolink::Wavelength_m(link.inputs.frequency_MHz);
    const std::optional<FresnelClearance> worst =
        WorstFresnelClearance(profile, line, wavelength_m);
    const PathLoss loss = EstimatePathLoss(wavelength_m, profile.path_km, worst);
    return RadioReportLines(link.inputs.frequency_MHz, worst, loss);
}

// The profile as CSV into the file of its number; a failure is told and the run goes on.
void WriteCsv(Session& s, const Profile& profile, const geodesy::DistanceBearing& path,
              const SightLine& line, const std::optional<LinkFigures>& link) {
    const std::string file = NumberedPngName(s.radio.csvFile, s.profiles_drawn);
    std::optional<double> wavelength_m;
    if (s.radio.frequency_MHz) wavelength_m = radiolink::Wavelength_m(*s.radio.frequency_MHz);
    const std::string text = ProfileCsv(profile, s.base.position, path.bearing_deg, line,
                                        wavelength_m, link ? &*link : nullptr);
    if (console::WriteFileAtomically(file, text)) return;
    s.console.PrintLine("Cannot write " + file);
    s.any_refused = true;
}

// Samples, draws and serves one profile. A path along which not one tile was found is not
// drawn: its clearance would be that of the sea.
LoopStep ShowProfile(Session& s, const console::ConsolePosition& distant,
                     const geodesy::DistanceBearing& path, double distant_mast_m,
                     const EarthBulge& bulge) {
    console::Console& con = s.console;
    con.PrintLine();
    PathTiles tiles(s.config.heightPath, con);
    Profile profile = SampleProfile(
        s.base.position, path.bearing_deg, path.distance_km, bulge,
        [&tiles](LatLon p) { return tiles(p); }, [&tiles](LatLon p) { return tiles.HasDataAt(p); });
    if (tiles.TilesRead() == 0) {
        con.PrintLine(console::NoHeightDataLine(tiles.Folder(), tiles.TilesSought()));
        // Before any profile was drawn the folder is most likely wrong: the run ends, and the
        // folder is not kept. Later, only this path lies off the tiles.
        return s.profiles_drawn == 0 ? LoopStep::kFatal : LoopStep::kNext;
    }
    // What the console prints for the path goes into the picture's title too, word for word.
    std::vector<std::vector<std::string>> figures;
    const std::string clearance_line =
        ClearanceLine(LineOfSightClearance(profile, s.base.mast_m, distant_mast_m));
    PrintFigureLines(con, {clearance_line});
    figures.push_back({clearance_line});
    const double no_data_km = NoDataLength_km(profile);
    if (no_data_km > 0) {
        con.MoveToColumn(kClearanceLineColumn);
        con.PrintLine(console::NoDataPathLine(no_data_km));
        figures.back().push_back(console::NoDataPathLine(no_data_km));
    }
    const SightLine line = LineOfSight(profile, s.base.mast_m, distant_mast_m);
    std::optional<LinkFigures> link;
    if (s.radio.frequency_MHz) {
        link =
            WorkOutLink(profile, {*s.radio.frequency_MHz, s.k_factor, s.base.mast_m, distant_mast_m,
                                  s.radio.erp_W, s.radio.rxGain_dBi, s.radio.sensitivity_dBm});
        figures.push_back(RadioLines(profile, line, *link));
        figures.push_back(LinkBudgetLines(*link));
        std::vector<std::string> radio_lines = figures[figures.size() - 2];
        radio_lines.insert(radio_lines.end(), figures.back().begin(), figures.back().end());
        PrintFigureLines(con, radio_lines);
        if (no_data_km > 0) {
            con.MoveToColumn(kClearanceLineColumn);
            con.PrintLine(console::kNoDataRadioWarning);
            figures.push_back({std::string(console::kNoDataRadioWarning)});
        }
    }

    std::string caption = s.base.text + " >> " + distant.text +
                          console::FormatMask(kCaptionMask, {path.distance_km, path.bearing_deg,
                                                             path.back_bearing_deg});
    if (link) caption += LinkBudgetCaption(*link);
    ++s.profiles_drawn;
    if (!s.radio.csvFile.empty()) WriteCsv(s, profile, path, line, link);
    // Each profile's picture has the number of the profile in its name.
    console::HeadlessOptions numbered = s.headless;
    if (numbered.Active()) numbered.pngFile = NumberedPngName(s.headless.pngFile, s.profiles_drawn);
    std::vector<std::string> title = ProfileTitleLines(
        s.profiles_drawn, {s.base.text, s.base.position, s.base.mast_m},
        {distant.text, {distant.latitude_deg, distant.longitude_deg}, distant_mast_m}, s.k_factor,
        DistanceLine(path), figures);
    PathSetup setup{s.base.position,    path.bearing_deg,      s.base.mast_m,   distant_mast_m,
                    s.config.sitesPath, s.radio.frequency_MHz, std::move(title)};
    ProfileView view(caption, std::move(profile), bulge, std::move(setup), numbered);
    view.Draw();
    const ProfileEnd end = view.ServeClicks(con);
    s.window_failure = view.Window().FailedStatus();
    if (end == ProfileEnd::kKey) s.open_windows.push_back(view.ReleaseWindow());
    return s.window_failure ? LoopStep::kFatal : LoopStep::kNext;
}

// One pass of the distant-site loop.
LoopStep DistantSite(Session& s) {
    console::Console& con = s.console;
    con.PrintLine();
    con.SetColour(Colour::kLightGrey);
    con.Print("Site Name / Location [");
    con.SetColour(Colour::kMagenta);
    con.Print(s.last_distant);
    con.SetColour(Colour::kLightGrey);
    con.Print("]");
    // A default long enough to reach the answer column is kept apart from the answer.
    if (con.CurrentColumn() >= kDistantAnswerColumn)
        con.Print(" ");
    else
        con.MoveToColumn(kDistantAnswerColumn);
    std::string answer = con.ReadLine(kToOption);
    // Input that has run out can give no further answers: end rather than loop on the
    // last distant site for ever.
    if (con.InputEnded() && answer.empty()) return LoopStep::kEnd;
    if (answer.empty()) answer = s.last_distant;
    if (IsEndAnswer(answer)) {
        return console::FinishRun(kToolProfile, s.config, con, s.dir) ? LoopStep::kEnd
                                                                      : LoopStep::kFatal;
    }
    s.last_distant = answer;

    const std::optional<double> distant_mast_m =
        AskMastHeight(con, kDistantMastPrompt, kDistantMastQuestion);
    if (!distant_mast_m) return LoopStep::kFatal;
    con.PrintLine();
    const std::optional<double> k = AskKFactor(con, s.k_factor);
    if (!k) return LoopStep::kFatal;
    s.k_factor = *k;

    const console::ConsolePosition distant =
        console::ResolvePosition(answer, s.config.sitesPath, con);
    if (distant.siteFileMissing) return LoopStep::kFatal;
    if (!distant.found) {
        con.PrintLine("Site not found");
        s.any_refused = true;
        return LoopStep::kNext;
    }

    const geodesy::DistanceBearing path =
        geodesy::DistBearBetween({s.base.position.lat_deg, s.base.position.lon_deg},
                                 {distant.latitude_deg, distant.longitude_deg});
    if (path.distance_km < kCoincidentDistance_km) {
        con.PrintLine("Distant site is the base site");
        s.any_refused = true;
        return LoopStep::kNext;
    }
    if (path.distance_km > kMaxPathLength_km) {
        con.PrintLine(console::FormatMask("Path too long: #####.##km; the longest path is 2000km",
                                          {path.distance_km}));
        s.any_refused = true;
        return LoopStep::kNext;
    }
    const EarthBulge bulge(s.k_factor, path.distance_km);
    if (bulge.PathTooLong()) {
        con.PrintLine(console::FormatMask(
            "Path too long for K = #.##: it exceeds the diameter of the effective earth",
            {s.k_factor}));
        s.any_refused = true;
        return LoopStep::kNext;
    }

    con.SetColour(Colour::kLightCyan);
    con.MoveToColumn(kDistanceLineColumn);
    con.PrintLine(DistanceLine(path));
    con.SetColour(Colour::kLightGrey);

    return ShowProfile(s, distant, path, *distant_mast_m, bulge);
}

}  // namespace

std::string NumberedPngName(const std::string& file, int profile_number) {
    const std::size_t last_separator = file.find_last_of("/\\");
    const std::size_t dot = file.find_last_of('.');
    const bool has_extension =
        dot != std::string::npos && (last_separator == std::string::npos || dot > last_separator);
    const std::string number = std::to_string(profile_number);
    if (!has_extension) return file + number;
    return file.substr(0, dot) + number + file.substr(dot);
}

bool IsEndAnswer(std::string_view answer) {
    std::string lower(answer);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(kEndWord) != std::string::npos;
}

std::optional<double> MastHeightAnswer(std::string_view answer) {
    const double metres = console::LeadingNumber(answer);
    if (!(metres <= kHighestMast_m)) return std::nullopt;
    return metres < kMinMastHeight_m ? console::kDefaultMastHeight_m : metres;
}

std::optional<double> KFactorAnswer(std::string_view answer, double current) {
    if (answer.find_first_not_of(' ') == std::string_view::npos) return current;
    const double k = console::LeadingNumber(answer);
    if (!(k >= kLowestKFactor && k <= kHighestKFactor)) return std::nullopt;
    return k;
}

int RunDialogue(console::Console& console, std::string_view command_tail,
                const std::filesystem::path& dir, const console::HeadlessOptions& headless,
                const RadioOptions& radio) {
    auto start = console::StartUp(kToolProfile, console, command_tail, dir);
    if (!start) return console::kExitRefused;

    Session s{console, dir, start->config, headless,     radio, {}, console::kDefaultKFactor,
              {},      0,   false,         std::nullopt, {}};
    std::string base_text =
        start->askPosition ? console::AskPosition(console, kBasePrompt) : start->siteText;
    if (base_text.empty()) return console::kExitRefused;

    const console::ConsolePosition base =
        console::ResolvePosition(base_text, s.config.sitesPath, console);
    if (base.siteFileMissing) return console::kExitRefused;
    if (!base.found) {
        console.PrintLine("Site not found");
        return console::kExitRefused;
    }
    s.base.text = base.text;
    s.base.position = {base.latitude_deg, base.longitude_deg};
    const std::optional<double> base_mast_m = AskMastHeight(console, kBaseMastPrompt, kMastOption);
    if (!base_mast_m) return console::kExitRefused;
    s.base.mast_m = *base_mast_m;

    PathTiles tiles(s.config.heightPath, console);
    const std::int32_t ground_m = tiles.HeightAt(s.base.position);
    console::PrintBasePositionLine(
        console, base.latitude_deg, base.longitude_deg,
        geodesy::FormatLocatorRounded({base.latitude_deg, base.longitude_deg}),
        geodesy::FormatGridRef10m({base.latitude_deg, base.longitude_deg}), ground_m,
        console::kBaseLineMaskShort);
    console.SetColour(Colour::kLightGrey);
    console.PrintLine();
    console.PrintLine(kDottedRule);
    console.PrintLine();

    for (;;) {
        switch (DistantSite(s)) {
            case LoopStep::kNext:
                break;
            case LoopStep::kEnd:
                return s.any_refused ? console::kExitRefused : console::kExitNormal;
            case LoopStep::kFatal:
                return s.window_failure.value_or(console::kExitRefused);
        }
    }
}

}  // namespace pathprofile
