// A diagnostics sink that writes every event down as one line of text, for the tests to compare.
#pragma once

#include <string>
#include <vector>

#include "terrain/diagnostics.h"

namespace terrain::testing {

class RecordingDiagnostics final : public Diagnostics {
  public:
    void AreaLoadStarted() override { events.push_back("area"); }
    void TileNotFound(const std::string& wantedName) override {
        events.push_back("not found " + wantedName);
    }
    void TileLoading(const std::string& name) override { events.push_back("loading " + name); }
    void TileSkipped() override { events.push_back("skipped"); }
    void NoHeightFile() override { events.push_back("no height file"); }
    void TileUnreadable(const std::string& name) override {
        events.push_back("unreadable " + name);
    }
    void OneArcSecondTile(const std::string& name) override { events.push_back("1\" " + name); }
    void HeightOutOfRange(const std::string& name, int column, int row,
                          std::int32_t height_m) override {
        events.push_back("out of range " + name + " " + std::to_string(column) + " " +
                         std::to_string(row) + " " + std::to_string(height_m));
    }
    void MoreHeightsOutOfRange(const std::string& name, std::int64_t count) override {
        events.push_back("more out of range " + name + " " + std::to_string(count));
    }
    void AreaRefused(const AreaRefusal& refusal) override {
        events.push_back("refused " + std::to_string(static_cast<int>(refusal.reason)));
        refusals.push_back(refusal);
    }

    std::vector<std::string> events;
    std::vector<AreaRefusal> refusals;
};

}  // namespace terrain::testing
