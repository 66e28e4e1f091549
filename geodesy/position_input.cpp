// Classification, free-format latitude/longitude reading, display and the resolve step.
#include "geodesy/position_input.h"

namespace geodesy {

double LeadingNumber(std::string_view) {
    return 0.0;
}  // TODO: not yet implemented
std::string UpperCase(std::string_view text) {
    return std::string(text);
}
Classification ClassifyInput(std::string_view upper_text) {
    return Classification{InputClass::kSiteName, std::string(upper_text)};
}
ParsedLatLong ParseLatLong(std::string_view) {
    return ParsedLatLong{};
}
std::optional<std::string> ShowLatLong(double, double, int) {
    return std::nullopt;
}
ResolveResult ResolveInput(const ResolveRequest&) {
    return ResolveResult{};
}

}  // namespace geodesy
