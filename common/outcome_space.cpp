#include "outcome_space.h"

#include <algorithm>
#include <bit>

OutcomeSpace::OutcomeSpace(const MatchSigns& forecast) {
    for (int m = RowCount - 1; m >= 0; --m) {
        stride_[m] = size_;
        for (int s = 0; s < SignCount; ++s)
            if (forecast[m] & (1 << s)) signBit_[m][signsOn_[m]++] = static_cast<SignSet>(1 << s);
        size_ *= static_cast<std::uint32_t>(signsOn_[m]);
    }
    for (int m = 0; m < RowCount; ++m)
        if (signsOn_[m] >= 2) {
            radix_.push_back(signsOn_[m]);
            match_.push_back(m);
            weight_.push_back(static_cast<std::uint32_t>(stride_[m]));
        }
}

int OutcomeSpace::triples() const { return static_cast<int>(std::count(radix_.begin(), radix_.end(), 3)); }

SimpleColumn OutcomeSpace::column(std::uint32_t index) const {
    SimpleColumn column{};
    for (int m = RowCount - 1; m >= 0; --m) {
        if (signsOn_[m] == 0) continue;
        const auto q = static_cast<std::uint32_t>(signsOn_[m]);
        column[m] = static_cast<std::uint8_t>(std::countr_zero(unsigned{signBit_[m][index % q]}));
        index /= q;
    }
    return column;
}

std::uint64_t OutcomeSpace::ballSize(int radius) const {
    // ways[r]: outcomes at exactly r misses over the digits seen so far.
    std::vector<std::uint64_t> ways(static_cast<std::size_t>(radius) + 1, 0);
    ways[0] = 1;
    for (const int q : radix_)
        for (int r = radius; r >= 1; --r) ways[r] += ways[r - 1] * static_cast<std::uint64_t>(q - 1);
    std::uint64_t total = 0;
    for (const std::uint64_t w : ways) total += w;
    return total;
}
