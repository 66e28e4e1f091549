#pragma once

// Turns the text a GPS receiver sends into the position text of the main window's input box.
//
// A receiver sends NMEA 0183 sentences, one per line ending in CR LF. Only the recommended
// minimum sentence ("RMC", any talker prefix) is used:
//
//   $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
//          1      2 3        4 5         6
//
// field 1 UTC time hhmmss(.ss), 3 latitude ddmm.mmmm, 4 N or S, 5 longitude dddmm.mmmm, 6 E or
// W. The status (field 2) is not examined. The text built from it reads
//
//   48 07.038N 011 31.000E          [ 12:35:19 UTC ]
//
// (degrees, blank, minutes, hemisphere for each coordinate, ten blanks, the bracketed time),
// which the free-format latitude/longitude reader resolves like a typed position.
//
// Pure standard C++: the serial port itself is kept apart (serial_link.h).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tormark {

// Characters of an RMC sentence looked at, counted from "RMC" on; anything beyond is ignored.
inline constexpr std::size_t kRmcMaxChars = 68;
// An RMC sentence with fewer characters from "RMC" on carries no position (no fix yet).
inline constexpr std::size_t kRmcMinChars = 45;
// Received text held while waiting for a carriage return. A line is at most 82 characters, so
// this much text without one is noise (a wrong baud rate); only its tail is kept.
inline constexpr std::size_t kMaxPendingChars = 1024;

// The input-box text for the first usable RMC sentence in text, which must end with the
// sentence's carriage return. Empty when text holds no "RMC", when fewer than kRmcMinChars
// characters of that line follow "RMC" on, when the sentence carries a checksum ("*" and two
// hexadecimal digits) that does not match, or when the text would not read as a latitude and
// longitude (an empty position field, or the all-zero position some receivers send before a
// fix, which would be looked up as a site name, or a hemisphere field that is not N/S or E/W),
// or when the sentence holds a byte that is not printable ASCII (line noise).
// Later sentences in text are not looked at.
std::optional<std::string> RmcInputText(std::string_view text);

// True when the NMEA sentence line (from "$" up to its line end, CR/LF excluded) has no "*", or
// has "*" followed by two hexadecimal digits equal to the XOR of the characters between "$" (or
// the line start when there is none) and "*".
bool NmeaChecksumOk(std::string_view line);

// Collects received characters until a carriage return arrives, then hands everything up to the
// last carriage return to RmcInputText. Text after that carriage return stays for the next
// call, so a sentence split across two notifications is not lost.
class NmeaReceiver {
  public:
    // Takes the characters received since the last call; returns the input-box text when they
    // complete a usable RMC sentence.
    std::optional<std::string> Receive(std::string_view chars);

    // Text received and not yet consumed.
    const std::string& pending() const { return buffer_; }

    // Forgets everything received (the port was closed).
    void Clear() { buffer_.clear(); }

  private:
    std::string buffer_;
};

}  // namespace tormark
