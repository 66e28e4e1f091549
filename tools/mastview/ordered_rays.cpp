#include "mastview/ordered_rays.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "mastview/sweep.h"

namespace mastview {

namespace {

// Rays per thread in one batch: enough to keep every thread busy between two replays, few
// enough that the batch's samples stay in the cache-friendly megabytes.
constexpr std::size_t kRaysPerThread = 64;

}  // namespace

unsigned SweepThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

void RunRaysInOrder(std::size_t count, const TraceRay& trace, const ReplayRay& replay,
                    unsigned threads) {
    threads = std::max(1u, threads);
    const std::size_t batch = threads == 1 ? 1 : kRaysPerThread * threads;
    std::vector<std::vector<RaySample>> samples(std::min(batch, count));
    for (std::size_t first = 0; first < count; first += batch) {
        const std::size_t n = std::min(batch, count - first);
        std::atomic<std::size_t> next{0};
        const auto work = [&](unsigned thread) {
            for (std::size_t k = next++; k < n; k = next++) {
                samples[k].clear();
                trace(first + k, thread, samples[k]);
            }
        };
        {
            std::vector<std::jthread> helpers;
            for (unsigned t = 1; t < threads && t < n; ++t) helpers.emplace_back(work, t);
            work(0);
        }  // the helpers join here
        for (std::size_t k = 0; k < n; ++k) replay(first + k, samples[k]);
    }
}

}  // namespace mastview
