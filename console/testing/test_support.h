// Test support for the console tools' tests: generated SRTM tiles, temporary site files and
// working folders, running a tool with scripted input (plot/testing reads the PNGs).
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "console/palette.h"
#include "terrain/testing/hgt_fixture.h"

namespace console::testing {

// A temporary folder, removed with everything in it when the object goes.
using terrain::testing::TempDir;

// Height of the sample in file row `row` (0 = northern edge) and column `column` (0 = western
// edge), both 0 ... samples per degree. Return -32768 for a void.
using terrain::testing::HeightFunction;

// Writes a tile of `format` (3 arc-second unless told) named `name` (for example
// "N54W004.hgt") into `dir`; returns its full path. Heights are clamped to 16 bits.
std::filesystem::path WriteHgtTile(const std::filesystem::path& dir, const std::string& name,
                                   const HeightFunction& height,
                                   terrain::TileFormat format = terrain::kThreeArcSecondTile);

// A 1 arc-second tile made by refining the 3 arc-second tile `height3` (rows and columns
// 0 ... 1200): 1 arc-second file row r and column c take the 3 arc-second sample of row ceil(r/3)
// and column floor(c/3), so the two lattices coincide and each 3 arc-second sample is repeated
// over the 1 arc-second samples north and east of it, up to the next lattice line. A nearest-lower
// look-up north and east of the equator and Greenwich, and the first highest sample in the order
// west to east, south to north, so find the same height at the same place in both tiles.
std::filesystem::path WriteOneArcSecondTwin(const std::filesystem::path& dir,
                                            const std::string& name, const HeightFunction& height3);

// Writes `lines` joined by CR LF (a CR LF after the last one too) as `dir`/`name`.
std::filesystem::path WriteTextFile(const std::filesystem::path& dir, const std::string& name,
                                    const std::vector<std::string>& lines);

// Writes a site database "SITES.DAT" (name~position lines, CR LF) into `dir`.
std::filesystem::path WriteSitesFile(const std::filesystem::path& dir,
                                     const std::vector<std::string>& lines);

// Reads a whole file as bytes/text ("" when missing).
std::string ReadFile(const std::filesystem::path& file);

struct RunResult {
    int exitCode = -1;  // -1 when the program crashed or did not start
    bool timedOut = false;
    std::string output;  // standard output
    std::string errors;  // standard error
};

// Runs `program` with `args` in `workDir`, feeding `input` to its standard input (then closing
// it), with QT_QPA_PLATFORM=offscreen, and waits at most `timeout_ms`.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input, const std::filesystem::path& workDir,
                     int timeout_ms = 60000);

}  // namespace console::testing
