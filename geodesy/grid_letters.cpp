// The 100 km square letters of the National Grid in both directions.
#include "geodesy/grid_letters.h"

namespace geodesy {

namespace {

constexpr std::int64_t kLettersPerRow = 5;
constexpr char kSkippedLetter = 'I';
// S is the 500 km block whose south-west corner is the false origin; counted from the
// north-west corner of the block of blocks, that puts square SV (letter indexes 17 and 20) 10
// squares west and 19 squares north of the block of blocks' origin.
constexpr char kOriginBlockLetter = 'S';
constexpr std::int64_t kOriginEastOffset = 10;
constexpr std::int64_t kOriginNorthOffset = 19;

char LetterOrQuery(std::int64_t code) {
    return (code >= 'A' && code <= 'Z') ? static_cast<char>(code) : '?';
}

}  // namespace

bool IsGridLetter(char c) {
    return c >= 'A' && c <= 'Z' && c != kSkippedLetter;
}

int GridLetterIndex(char c) {
    int index = static_cast<unsigned char>(c) - 'A';
    if (index > kSkippedLetter - 'A') --index;
    return index;
}

std::string FormatGridLetters(GridSquare square) {
    const std::int64_t e = square.east, n = square.north;
    // Each 500 km north moves back a row of five letters, each 500 km east one letter on. Two
    // rows north of S the count lands on the code of I, which the grid skips: that block is H
    // (J follows it).
    std::int64_t first =
        kOriginBlockLetter - kLettersPerRow * (n / kLettersPerRow) + e / kLettersPerRow;
    if (first == kSkippedLetter) first = 'H';
    std::int64_t second =
        kLettersPerRow * (kLettersPerRow - 1 - n % kLettersPerRow) + e % kLettersPerRow + 'A';
    if (second > 'H') ++second;
    return {LetterOrQuery(first), LetterOrQuery(second)};
}

GridSquare ParseGridLetters(char first, char second) {
    const int l1 = GridLetterIndex(first), l2 = GridLetterIndex(second);
    return GridSquare{
        (l1 % kLettersPerRow) * kLettersPerRow + l2 % kLettersPerRow - kOriginEastOffset,
        kOriginNorthOffset - (l1 / kLettersPerRow) * kLettersPerRow - l2 / kLettersPerRow};
}

}  // namespace geodesy
