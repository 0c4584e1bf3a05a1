#include "best_of_attempts.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "ceil_div.h"
#include "random_source.h"

namespace {

constexpr int Threads = 2;

void LowerTo(std::atomic<std::size_t>& best, std::size_t size) {
    std::size_t seen = best.load();
    while (size < seen && !best.compare_exchange_weak(seen, size)) {
    }
}

}  // namespace

AttemptsOutcome BestOfAttempts(int attempts, std::uint64_t seed, std::size_t floor, const std::atomic<bool>* cancel,
                               const WorkBudget::Report& report, const Attempt& attempt) {
    attempts = std::max(1, attempts);
    const int threads = std::min(attempts, Threads);
    const int perThread = static_cast<int>(CeilDiv(unsigned(attempts), unsigned(threads)));
    RandomSource draw(seed);
    std::vector<std::uint64_t> seeds(static_cast<std::size_t>(attempts));
    for (std::uint64_t& one : seeds) one = draw.next();

    std::vector<std::vector<std::uint32_t>> found(seeds.size());
    const std::unique_ptr<std::atomic<bool>[]> superseded(new std::atomic<bool>[seeds.size()]);
    for (int i = 0; i < attempts; ++i) superseded[i] = false;
    std::atomic<std::size_t> bestSeen{~std::size_t{0}};

    // Attempt i always runs on thread i % threads.
    const auto run = [&](int thread) {
        for (int i = thread, done = 0; i < attempts && !superseded[i]; i += threads, ++done) {
            AttemptControl control{seeds[i], cancel, &superseded[i], {}, perThread - done};
            if (thread == 0 && report)
                control.report = [&, done](double fraction, std::size_t best) {
                    report((done + fraction) / perThread, std::min(best, bestSeen.load()));
                };
            found[i] = attempt(control);
            if (found[i].empty()) return;  // cancelled
            LowerTo(bestSeen, found[i].size());
            if (found[i].size() <= std::max<std::size_t>(floor, 1))
                for (int later = i + 1; later < attempts; ++later) superseded[later] = true;
        }
    };
    std::thread helper;
    if (threads > 1) helper = std::thread(run, 1);
    run(0);
    if (helper.joinable()) helper.join();

    AttemptsOutcome outcome;
    if (cancel && cancel->load()) {
        outcome.cancelled = true;
        return outcome;
    }
    for (const std::vector<std::uint32_t>& cover : found)
        if (!cover.empty() && (outcome.cover.empty() || cover.size() < outcome.cover.size())) outcome.cover = cover;
    return outcome;
}
