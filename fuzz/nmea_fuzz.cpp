// The GPS receiver's text, delivered byte by byte and a sentence at a time.
//
// Invariants: both deliveries give the same position text at the end of each sentence; every
// text given reads back as a latitude/longitude with finite values and is showable; the text
// kept waiting never exceeds its bound.

#include <cmath>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "geodesy/position_input.h"
#include "geodesy/upper_case.h"
#include "nmea_receiver.h"

namespace {

void CheckText(const std::optional<std::string>& text) {
    if (!text) return;
    FUZZ_CHECK(fuzz::ShowableText(*text));
    const geodesy::ParsedLatLong p = geodesy::ParseLatLong(geodesy::UpperCase(*text));
    FUZZ_CHECK(p.ok);
    FUZZ_CHECK(std::isfinite(p.lat_deg) && std::isfinite(p.lon_deg));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::Text(data, size);
    tormark::NmeaReceiver by_byte, by_sentence;
    std::size_t sentence_start = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const std::optional<std::string> byte_text = by_byte.Receive(input.substr(i, 1));
        CheckText(byte_text);
        FUZZ_CHECK(by_byte.pending().size() <= tormark::kMaxPendingChars);
        if (input[i] != '\r') {
            FUZZ_CHECK(!byte_text);
            continue;
        }
        // A sentence longer than the bound is noise that byte-wise delivery cuts short.
        const std::size_t length = i + 1 - sentence_start;
        const std::optional<std::string> sentence_text =
            by_sentence.Receive(input.substr(sentence_start, length));
        CheckText(sentence_text);
        if (length <= tormark::kMaxPendingChars) FUZZ_CHECK(byte_text == sentence_text);
        sentence_start = i + 1;
    }
    // Whole-buffer delivery looks at the first sentence only.
    tormark::NmeaReceiver whole;
    CheckText(whole.Receive(input));
    CheckText(tormark::RmcInputText(input));
    return 0;
}
