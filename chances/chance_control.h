#pragma once

#include <atomic>
#include <functional>

// How a long count is run: on how many threads, and what the window may
// watch and stop. Both hooks are optional.

// Progress runs on the calling thread with the fraction done, 0..1; a
// count that sees `cancel` set stops and says so.
struct ChanceControl {
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(double)> progress;
    int threads = 2;
    // The grid of results is cut into blocks of its last matches, 3^9
    // results each, small enough to stay in cache; tests cut smaller grids
    // finer to run every path.
    int blockDimensions = 9;
};

