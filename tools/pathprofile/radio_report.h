// The console lines of the radio figures of one profile, printed after the line-of-sight line
// when a frequency is given:
//
//   First Fresnel zone at 144 MHz: worst clearance 53% at 22.14km, partly obstructed
//   Free-space loss 102.6 dB
//   Knife-edge diffraction loss 0.0 dB   Estimated path loss 102.6 dB
//
// and the link budget's lines after them:
//
//   Diffraction loss (Bullington) 0.0 dB
//   Path loss 102.6 dB
//   Received level -58.3 dBm (33.7 dBµV/m)      (with an ERP)
//   Fade margin 61.7 dB                          (with a sensitivity too)
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fresnel_zone.h"
#include "link_figures.h"
#include "path_loss.h"

namespace pathprofile {

// The words of each verdict: "clear", "partly obstructed", "obstructed".
std::string_view VerdictWords(FresnelVerdict verdict);

// The three lines, in order. The clearance is a whole percentage of r1, negative when the ground
// rises above the line of sight; the losses have one decimal.
std::vector<std::string> RadioReportLines(double frequency_MHz,
                                          const std::optional<FresnelClearance>& worst,
                                          const PathLoss& loss);

// The link budget's lines, in order; every figure with one decimal.
std::vector<std::string> LinkBudgetLines(const LinkFigures& link);

// The same figures for the window's caption, after its distance and bearings:
// "  Path loss 102.6 dB  Received -58.3 dBm (33.7 dBµV/m)  Fade margin 61.7 dB".
std::string LinkBudgetCaption(const LinkFigures& link);

}  // namespace pathprofile
