#include "grid_passes.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

bool Cancelled(const ChanceControl& control) { return control.cancel != nullptr && control.cancel->load(); }

// Runs body(t) on threads 1..count-1 and on this one as thread 0; when no
// thread can be had, this one does their share too.
void RunThreads(int count, const std::function<void(int)>& body) {
    std::vector<std::thread> helpers;
    std::vector<int> undone;
    for (int t = 1; t < count; ++t) {
        try {
            helpers.emplace_back(body, t);
        } catch (const std::system_error&) {
            undone.push_back(t);
        }
    }
    body(0);
    for (const int t : undone) body(t);
    for (std::thread& helper : helpers) helper.join();
}

}  // namespace

int ThreadsFor(const ChanceControl& control, std::size_t work) {
    const unsigned machine = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<int>(std::max<std::size_t>(
        1, std::min<std::size_t>({static_cast<std::size_t>(std::max(1, control.threads)), machine, work})));
}

bool ForEachBlock(std::size_t count, const ChanceControl& control,
                  const std::function<void(std::size_t, int)>& work, double progressFrom, double progressTo) {
    std::atomic<std::size_t> next{0}, done{0};
    std::atomic<bool> stopped{false};
    RunThreads(ThreadsFor(control, count), [&](int thread) {
        for (std::size_t block; (block = next.fetch_add(1)) < count;) {
            if (Cancelled(control)) {
                stopped = true;
                return;
            }
            work(block, thread);
            const std::size_t finished = done.fetch_add(1) + 1;
            if (thread == 0 && control.progress)
                control.progress(progressFrom + (progressTo - progressFrom) * static_cast<double>(finished) /
                                                    static_cast<double>(count));
        }
    });
    // The last block may have ended on another thread.
    if (!stopped && control.progress) control.progress(progressTo);
    return !stopped;
}

void ForEachRange(std::size_t count, const ChanceControl& control,
                  const std::function<void(std::size_t, std::size_t)>& work) {
    const std::size_t units = count;
    const int threads = ThreadsFor(control, units);
    RunThreads(threads, [&](int thread) {
        const std::size_t begin = units * static_cast<std::size_t>(thread) / static_cast<std::size_t>(threads);
        const std::size_t end = units * static_cast<std::size_t>(thread + 1) / static_cast<std::size_t>(threads);
        if (begin < end) work(begin, end);
    });
}
