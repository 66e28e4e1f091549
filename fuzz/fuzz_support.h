// What every fuzz harness shares: the invariant check that stops a run with a message, the
// checks on texts the programs show or write, and a scratch folder for harnesses whose parser
// reads a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

// A text as the harness's input gives it.
inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// True when text holds word in any letter case ("inf" matches "INF", "Inf", "-inf", "Infinity").
inline bool ContainsAnyCase(std::string_view text, std::string_view word) {
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    };
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < word.size() && lower(text[i + k]) == word[k]) ++k;
        if (k == word.size()) return true;
    }
    return false;
}

// A text a program derives from numbers and shows in a box, prints or writes: no control bytes
// (8-bit and UTF-8 letters and the degree sign are fine) and never a spelled-out infinity or NaN,
// however a formatter spells it ("inf", "-nan", "INF", "NaN", "Infinity").
inline bool ShowableText(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
    }
    return !ContainsAnyCase(text, "inf") && !ContainsAnyCase(text, "nan");
}

// A locator derived from a position on the globe: ten letters and digits in their places, or
// "Locator error".
inline bool ShowableLocator(std::string_view locator) {
    if (locator == "Locator error") return true;
    if (locator.size() != 10) return false;
    for (std::size_t i = 0; i < locator.size(); ++i) {
        const char c = locator[i];
        const bool digit_place = i % 4 == 2 || i % 4 == 3;
        if (digit_place ? !(c >= '0' && c <= '9') : !(c >= 'A' && c <= 'Z')) return false;
    }
    return true;
}

// A folder of this process for the files the parsers read, removed at exit.
const std::filesystem::path& ScratchDir();

// Writes `bytes` as the file `name` of the scratch folder and returns its path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);

}  // namespace fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::fuzz::Fail(#condition, __FILE__, __LINE__))
