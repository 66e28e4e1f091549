#include "radio_report.h"

#include "console/picture_mask.h"

namespace pathprofile {

std::string_view VerdictWords(FresnelVerdict verdict) {
    switch (verdict) {
        case FresnelVerdict::kClear:
            return "clear";
        case FresnelVerdict::kPartlyObstructed:
            return "partly obstructed";
        case FresnelVerdict::kObstructed:
            return "obstructed";
    }
    return "";
}

std::vector<std::string> RadioReportLines(double frequency_MHz,
                                          const std::optional<FresnelClearance>& worst,
                                          const PathLoss& loss) {
    std::string zone = "First Fresnel zone at " + console::PlainNumber(frequency_MHz) + " MHz: ";
    if (worst) {
        zone += console::FormatMask("worst clearance #% at #.##km, ",
                                    {100.0 * worst->worst_fraction, worst->at_km}) +
                std::string(VerdictWords(worst->verdict));
    } else {
        zone += "no terrain sample between the masts";
    }
    return {zone, console::FormatMask("Free-space loss #.# dB", {loss.free_space_dB}),
            console::FormatMask("Knife-edge diffraction loss #.# dB   Estimated path loss #.# dB",
                                {loss.diffraction_dB, loss.Total_dB()})};
}

std::vector<std::string> LinkBudgetLines(const LinkFigures& link) {
    std::vector<std::string> lines = {
        console::FormatMask("Diffraction loss (Bullington) #.# dB", {link.diffraction.loss_dB}),
        console::FormatMask("Path loss #.# dB", {link.pathLoss_dB})};
    if (link.received_dBm) {
        lines.push_back(console::FormatMask("Received level #.# dBm (#.# dBµV/m)",
                                            {*link.received_dBm, *link.field_dBuV_per_m}));
    }
    if (link.fadeMargin_dB)
        lines.push_back(console::FormatMask("Fade margin #.# dB", {*link.fadeMargin_dB}));
    return lines;
}

std::string LinkBudgetCaption(const LinkFigures& link) {
    std::string caption = console::FormatMask("  Path loss #.# dB", {link.pathLoss_dB});
    if (link.received_dBm) {
        caption += console::FormatMask("  Received #.# dBm (#.# dBµV/m)",
                                       {*link.received_dBm, *link.field_dBuV_per_m});
    }
    if (link.fadeMargin_dB)
        caption += console::FormatMask("  Fade margin #.# dB", {*link.fadeMargin_dB});
    return caption;
}

}  // namespace pathprofile
