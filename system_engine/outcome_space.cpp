#include "outcome_space.h"

#include <algorithm>

int SignOfDigit(SignSet signs, int digit) {
    for (int s = 0; s < SignCount; ++s)
        if (signs & (1 << s))
            if (digit-- == 0) return s;
    return 0;
}

OutcomeSpace::OutcomeSpace(const MatchSigns& forecast) : forecast_(forecast) {
    for (int m = 0; m < RowCount; ++m) {
        const int q = static_cast<int>(((forecast[m] >> 0) & 1) + ((forecast[m] >> 1) & 1) + ((forecast[m] >> 2) & 1));
        if (q < 2) continue;
        radix_.push_back(q);
        match_.push_back(m);
    }
    weight_.assign(radix_.size(), 1);
    for (int d = varying() - 1; d >= 0; --d) {
        weight_[d] = size_;
        size_ *= static_cast<std::uint32_t>(radix_[d]);
    }
}

int OutcomeSpace::triples() const {
    return static_cast<int>(std::count(radix_.begin(), radix_.end(), 3));
}

SimpleColumn OutcomeSpace::column(std::uint32_t index) const {
    SimpleColumn column{};
    for (int m = 0; m < RowCount; ++m) column[m] = static_cast<std::uint8_t>(SignOfDigit(forecast_[m], 0));
    for (int d = varying() - 1; d >= 0; --d) {
        const auto q = static_cast<std::uint32_t>(radix_[d]);
        column[match_[d]] = static_cast<std::uint8_t>(SignOfDigit(forecast_[match_[d]], static_cast<int>(index % q)));
        index /= q;
    }
    return column;
}

int OutcomeSpace::distance(std::uint32_t a, std::uint32_t b) const {
    int misses = 0;
    for (int d = varying() - 1; d >= 0; --d) {
        const auto q = static_cast<std::uint32_t>(radix_[d]);
        misses += a % q != b % q;
        a /= q;
        b /= q;
    }
    return misses;
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

std::uint32_t OutcomeSpace::indexOf(const std::vector<int>& digits) const {
    std::uint32_t index = 0;
    for (int d = 0; d < varying(); ++d) index += static_cast<std::uint32_t>(digits[d]) * weight_[d];
    return index;
}
