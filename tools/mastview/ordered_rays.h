// Runs the rays of a sweep on every core and hands their results back in ray order.
//
// Rays are independent of each other, but what is done with their samples (painting pixels
// that later rays may paint over) is not: each ray's samples are collected by the worker that
// traced it and replayed on the calling thread in order, so the outcome is the same as one
// thread tracing and painting ray after ray.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace mastview {

struct RaySample;

// Appends the samples of ray i to the (emptied) vector. Called from several threads at once;
// `thread` (0 ... threads - 1, 0 the calling thread) tells which one is calling.
using TraceRay =
    std::function<void(std::size_t i, unsigned thread, std::vector<RaySample>& samples)>;
// Receives ray i's samples, on the calling thread, for i = 0, 1, 2 ... in order.
using ReplayRay = std::function<void(std::size_t i, const std::vector<RaySample>& samples)>;

// The number of threads a sweep uses: one per core the system reports, at least one.
unsigned SweepThreads();

// Traces rays 0 ... count - 1 on `threads` threads (the calling one among them) and replays
// them in order. Rays are traced in batches of a few dozen per thread, so that the samples
// waiting to be replayed stay few.
void RunRaysInOrder(std::size_t count, const TraceRay& trace, const ReplayRay& replay,
                    unsigned threads = SweepThreads());

}  // namespace mastview
