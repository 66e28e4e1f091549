// The height library's reports printed on the console, in the words and colours the console
// tools have always used.
#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"
#include "terrain/diagnostics.h"

namespace console {

class TerrainMessages : public terrain::Diagnostics {
  public:
    explicit TerrainMessages(Console& console) : console_(console) {}

    // "Loading Height data from SRTM files" in colour 13.
    void AreaLoadStarted() override;
    // "No HDB for " and the full name.
    void TileNotFound(const std::string& wantedName) override;
    // The full name alone.
    void TileLoading(const std::string& name) override;
    // "Skipped".
    void TileSkipped() override;
    // "No Height file for this location".
    void NoHeightFile() override;
    // "Height file <name> is short or unreadable: taken as sea level" in colour 13.
    void TileUnreadable(const std::string& name) override;
    // "1 arc-second tile " and the file's name without its folder.
    void OneArcSecondTile(const std::string& name) override;
    // "Height <h>  in <name>  col <c>  row <r>" in colour 13.
    void HeightOutOfRange(const std::string& name, int column, int row,
                          std::int32_t height_m) override;
    // "<count> more heights out of range in <name>" in colour 13.
    void MoreHeightsOutOfRange(const std::string& name, std::int64_t count) override;
    // One line saying how many tiles the area needs and how many fit.
    void AreaRefused(const terrain::AreaRefusal& refusal) override;

  protected:
    Console& Out() { return console_; }
    // A line in colour 13, the colour of the tile warnings, then back to the usual grey.
    void PrintWarningLine(const std::string& line);

  private:
    Console& console_;
};

// The line AreaRefused prints for `refusal`.
std::string AreaRefusalLine(const terrain::AreaRefusal& refusal);

}  // namespace console
