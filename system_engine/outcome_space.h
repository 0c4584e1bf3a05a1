#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "column_conditions.h"
#include "scrutiny.h"

// The development of a forecast as numbers 0..size()-1: one digit per match
// with two or three signs (its signs ranked in the order 1, X, 2), the last
// such match the lowest digit. Counting up lists the simple columns in the
// order 1, X, 2 with the last match varying fastest. Fixed matches carry
// their one sign and are never a miss, so distances count varying matches.
class OutcomeSpace {
public:
    // Every match must hold at least one sign.
    explicit OutcomeSpace(const MatchSigns& forecast);

    std::uint32_t size() const { return size_; }
    int varying() const { return static_cast<int>(radix_.size()); }
    int triples() const;
    int doubles() const { return varying() - triples(); }
    int radix(int digit) const { return radix_[digit]; }
    std::uint32_t weight(int digit) const { return weight_[digit]; }
    // Varying digits in match order: the match each one stands for.
    int matchOf(int digit) const { return match_[digit]; }

    SimpleColumn column(std::uint32_t index) const;
    int distance(std::uint32_t a, std::uint32_t b) const;
    // Outcomes within `radius` misses of one column (all balls are alike).
    std::uint64_t ballSize(int radius) const;
    // The outcome of the given digits, varying digits in match order.
    std::uint32_t indexOf(const std::vector<int>& digits) const;

    // Calls visit(index) for every outcome within `radius` of `center`,
    // `center` first. Hot in the search, hence a template.
    template <typename Visit>
    void forBall(std::uint32_t center, int radius, Visit&& visit) const {
        std::array<std::int64_t, 2 * RowCount> deltas;  // two per digit at most
        std::uint32_t rest = center;
        for (int d = varying() - 1; d >= 0; --d) {
            const int q = radix_[d];
            const int own = static_cast<int>(rest % static_cast<std::uint32_t>(q));
            rest /= static_cast<std::uint32_t>(q);
            int n = 0;
            for (int other = 0; other < q; ++other)
                if (other != own)
                    deltas[2 * d + n++] = static_cast<std::int64_t>(other - own) * weight_[d];
            if (n == 1) deltas[2 * d + 1] = 0;
        }
        visit(center);
        if (radius > 0) walk(center, 0, radius, deltas, visit);
    }

private:
    template <typename Visit>
    void walk(std::uint32_t at, int from, int radius, const std::array<std::int64_t, 2 * RowCount>& deltas,
              Visit& visit) const {
        for (int d = from; d < varying(); ++d) {
            for (int k = 0; k < radix_[d] - 1; ++k) {
                const auto next = static_cast<std::uint32_t>(static_cast<std::int64_t>(at) + deltas[2 * d + k]);
                visit(next);
                if (radius > 1) walk(next, d + 1, radius - 1, deltas, visit);
            }
        }
    }

    MatchSigns forecast_{};
    std::vector<int> radix_;
    std::vector<std::uint32_t> weight_;
    std::vector<int> match_;
    std::uint32_t size_ = 1;
};

// The forecast sign a digit stands for on a match: 0 = "1", 1 = "X", 2 = "2".
int SignOfDigit(SignSet signs, int digit);
