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

constexpr std::uint32_t PollEvery = 4096;

void Take(const OutcomeSpace& space, int radius, std::uint32_t word, std::vector<std::uint8_t>& wanted,
          std::vector<std::uint32_t>& cover) {
    cover.push_back(word);
    space.forBall(word, radius, [&](std::uint32_t o) { wanted[o] = 0; });
}

// Out of time: every outcome still wanted covers itself, in order.
void CompleteInOrder(const OutcomeSpace& space, int radius, std::vector<std::uint8_t>& wanted,
                     std::vector<std::uint32_t>& cover) {
    for (std::uint32_t o = 0; o < space.size(); ++o)
        if (wanted[o]) Take(space, radius, o, wanted, cover);
}

}  // namespace

GreedyCover CoverGreedily(const OutcomeSpace& space, const std::vector<std::uint8_t>& inS, int radius, bool anywhere,
                          WorkBudget& budget) {
    GreedyCover result;
    std::vector<std::uint8_t> wanted = inS;
    // Lazy greedy: a stored count only ever falls, so the top entry whose
    // count is still true is the best column. Equal counts: lowest number.
    using Entry = std::pair<std::uint64_t, std::uint32_t>;
    const auto lower = [](const Entry& a, const Entry& b) {
        return a.first != b.first ? a.first < b.first : a.second > b.second;
    };
    std::priority_queue<Entry, std::vector<Entry>, decltype(lower)> queue(lower);
    std::uint64_t left = static_cast<std::uint64_t>(std::count(inS.begin(), inS.end(), 1));
    for (std::uint32_t word = 0; word < space.size(); ++word) {
        if (word % PollEvery == 0) {
            if (!budget.poll(0)) return {};
            if (budget.expired()) {
                result.mostReached = space.ballSize(radius);
                CompleteInOrder(space, radius, wanted, result.cover);
                return result;
            }
        }
        if (!anywhere && !inS[word]) continue;
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
        if (++taken % 64 == 0) {
            if (!budget.poll(result.cover.size())) return {};
            if (budget.expired()) break;
        }
        left -= now;
        Take(space, radius, word, wanted, result.cover);
    }
    CompleteInOrder(space, radius, wanted, result.cover);
    return result;
}
