#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "column_conditions.h"
#include "coupon_model.h"

// The development of a forecast, its outcomes numbered 0..size()-1: the
// first match most significant and the last varying fastest, each match's
// forecast signs in the order 1, X, 2. The guarantee engines walk it match
// by match (signsOn, stride); the systems engine by its varying matches
// alone (digits: a match with two or three signs), where fixed matches are
// never a miss.
class OutcomeSpace {
public:
    // A forecast with a match without a sign has no outcome.
    explicit OutcomeSpace(const MatchSigns& forecast);

    std::uint32_t size() const { return size_; }

    // Per match: how many forecast signs, the k-th of them as a sign bit,
    // and the outcomes between neighbours along the match.
    int signsOn(int match) const { return signsOn_[match]; }
    SignSet signBit(int match, int k) const { return signBit_[match][k]; }
    std::size_t stride(int match) const { return stride_[match]; }

    // Per varying digit, in match order.
    int varying() const { return static_cast<int>(radix_.size()); }
    int triples() const;
    int doubles() const { return varying() - triples(); }
    int radix(int digit) const { return radix_[digit]; }
    std::uint32_t weight(int digit) const { return weight_[digit]; }
    int matchOf(int digit) const { return match_[digit]; }

    SimpleColumn column(std::uint32_t index) const;
    // Outcomes within `radius` misses of one column (all balls are alike).
    std::uint64_t ballSize(int radius) const;

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

    std::array<int, RowCount> signsOn_{};
    std::array<std::array<SignSet, SignCount>, RowCount> signBit_{};
    std::array<std::size_t, RowCount> stride_{};
    std::vector<int> radix_;
    std::vector<std::uint32_t> weight_;
    std::vector<int> match_;
    std::uint32_t size_ = 1;
};

// [k]: outcomes whose best column hits k.
using HitHistogram = std::array<std::uint64_t, RowCount + 1>;
