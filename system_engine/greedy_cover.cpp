#include "greedy_cover.h"

#include <algorithm>
#include <queue>

namespace {

// What one column reaches of S, among the outcomes still wanted.
std::uint64_t Reached(const OutcomeSpace& space, const std::vector<std::uint8_t>& wanted, int radius,
                      std::uint32_t word) {
    std::uint64_t count = 0;
    space.forBall(word, radius, [&](std::uint32_t o) { count += wanted[o]; });
    return count;
}

bool Candidate(const std::vector<std::uint8_t>& inS, bool anywhere, std::uint32_t word) {
    return anywhere || inS[word];
}

constexpr std::uint32_t PollEvery = 4096;

}  // namespace

std::uint64_t MostReached(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                          SearchBudget& budget) {
    std::uint64_t most = 0;
    for (std::uint32_t word = 0; word < space.size(); ++word) {
        if (word % PollEvery == 0 && !budget.poll(0)) return most;
        if (Candidate(inS, anywhere, word)) most = std::max(most, Reached(space, inS, radius, word));
    }
    return most;
}

GreedyCover CoverGreedily(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                          SearchBudget& budget) {
    GreedyCover result;
    std::vector<std::uint8_t> wanted = inS;
    // Lazy greedy: a stored count only ever falls, so the top entry whose
    // count is still true is the best column. Equal counts: lowest number.
    using Entry = std::pair<std::uint64_t, std::uint32_t>;
    const auto lower = [](const Entry& a, const Entry& b) {
        return a.first != b.first ? a.first < b.first : a.second > b.second;
    };
    std::priority_queue<Entry, std::vector<Entry>, decltype(lower)> queue(lower);
    std::uint64_t left = 0;
    for (std::uint32_t word = 0; word < space.size(); ++word) {
        if (word % PollEvery == 0 && !budget.poll(0)) return {};
        left += inS[word];
        if (!Candidate(inS, anywhere, word)) continue;
        const std::uint64_t count = Reached(space, inS, radius, word);
        result.mostReached = std::max(result.mostReached, count);
        if (count > 0) queue.push({count, word});
    }
    std::uint32_t taken = 0;
    while (left > 0 && !queue.empty()) {
        const auto [count, word] = queue.top();
        queue.pop();
        const std::uint64_t now = Reached(space, wanted, radius, word);
        if (now < count) {
            if (now > 0) queue.push({now, word});
            continue;
        }
        if (++taken % 64 == 0 && !budget.poll(result.cover.size())) return {};
        result.cover.push_back(word);
        left -= now;
        space.forBall(word, radius, [&](std::uint32_t o) { wanted[o] = 0; });
    }
    return result;
}
