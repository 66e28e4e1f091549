// The best level over several transmitters at every plot sample, and which of them gives it: a
// repeater network is planned by where each site is the one a receiver would hear best.
#pragma once

#include <cstdint>
#include <vector>

#include "mastview/coverage.h"

namespace mastview {

class BestServer {
  public:
    static constexpr std::uint8_t kNoServer = 0xFF;

    // The first transmitter's levels: it serves every sample it reaches.
    explicit BestServer(LevelGrid first);

    // Another transmitter's levels over the same plot, numbered by the order of adding (the
    // first is 0). It takes over where it is strictly better: on a tie the earlier one stays.
    void Add(const LevelGrid& levels);

    const LevelGrid& Levels() const { return best_; }
    // The transmitter that serves plot sample (x, y); kNoServer where none reaches.
    std::uint8_t ServerAt(int x, int y) const {
        if (server_.empty()) return best_.Raw(x, y) == LevelGrid::kNoLevel ? kNoServer : 0;
        return server_[best_.Index(x, y)];
    }
    int Transmitters() const { return count_; }

  private:
    LevelGrid best_;
    // Which transmitter serves each sample, made when a second one is added: a single
    // transmitter's map (the usual run) needs none, and at the largest radius it would be half as
    // large again as the levels.
    std::vector<std::uint8_t> server_;
    int count_ = 1;
};

}  // namespace mastview
