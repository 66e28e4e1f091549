#include "mastview/best_server.h"

#include <stdexcept>

namespace mastview {

BestServer::BestServer(LevelGrid first) : best_(std::move(first)) {}

void BestServer::Add(const LevelGrid& levels) {
    if (levels.NLon() != best_.NLon() || levels.NLat() != best_.NLat())
        throw std::invalid_argument("BestServer: the levels of another plot");
    if (count_ >= kNoServer) throw std::invalid_argument("BestServer: too many transmitters");
    const auto index = static_cast<std::uint8_t>(count_++);
    const std::int16_t* candidate = levels.Data();
    std::int16_t* best = best_.Data();
    if (server_.empty()) {
        server_.assign(best_.Index(best_.NLon(), best_.NLat()) + 1, kNoServer);
        for (std::size_t i = 0; i < server_.size(); ++i)
            if (best[i] != LevelGrid::kNoLevel) server_[i] = 0;
    }
    for (std::size_t i = 0; i < server_.size(); ++i) {
        if (candidate[i] > best[i]) {
            best[i] = candidate[i];
            server_[i] = index;
        }
    }
}

}  // namespace mastview
