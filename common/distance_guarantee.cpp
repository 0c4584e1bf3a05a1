#include "distance_guarantee.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// A column seen on the outcomes: per match the cell offsets of the signs it
// hits, and its misses on matches where it hits no forecast sign at all
// (those matches count as a miss whatever the outcome, so every sign is
// taken and the miss added once).
struct Box {
    std::array<std::array<std::size_t, SignCount>, RowCount> offsets{};
    std::array<int, RowCount> count{};
    std::uint8_t misses = 0;
};

Box BoxOf(const BetColumn& column, const OutcomeSpace& space) {
    Box box;
    for (int r = 0; r < RowCount; ++r) {
        SignSet hit = 0;
        for (int k = 0; k < space.signsOn(r); ++k) hit |= column.marks[r] & space.signBit(r, k);
        if (hit == 0) ++box.misses;
        for (int k = 0; k < space.signsOn(r); ++k)
            if (hit == 0 || (hit & space.signBit(r, k)))
                box.offsets[r][box.count[r]++] = static_cast<std::size_t>(k) * space.stride(r);
    }
    return box;
}

void Fill(const Box& box, int row, std::size_t cell, std::uint8_t* misses) {
    if (row == RowCount) {
        misses[cell] = std::min(misses[cell], box.misses);
        return;
    }
    for (int k = 0; k < box.count[row]; ++k) Fill(box, row + 1, cell + box.offsets[row][k], misses);
}

// Along one match: every cell takes the nearest of its line plus one miss,
// unless it is nearer already. `size` cells per line, `stride` apart.
void Spread(std::uint8_t* misses, std::size_t cells, std::size_t stride, int size) {
    const std::size_t block = stride * static_cast<std::size_t>(size);
    for (std::size_t b = 0; b < cells; b += block) {
        std::uint8_t* p = misses + b;
        std::size_t i = 0;
#if defined(__SSE2__)
        // Sixteen lines side by side.
        const __m128i one = _mm_set1_epi8(1);
        for (; i + 16 <= stride; i += 16) {
            __m128i v[SignCount];
            __m128i nearest = _mm_set1_epi8(static_cast<char>(RowCount));
            for (int k = 0; k < size; ++k) {
                v[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + k * stride));
                nearest = _mm_min_epu8(nearest, v[k]);
            }
            nearest = _mm_add_epi8(nearest, one);
            for (int k = 0; k < size; ++k)
                _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + k * stride), _mm_min_epu8(v[k], nearest));
        }
#endif
        for (; i < stride; ++i) {
            std::uint8_t nearest = RowCount;
            for (int k = 0; k < size; ++k) nearest = std::min(nearest, p[i + k * stride]);
            ++nearest;
            for (int k = 0; k < size; ++k) p[i + k * stride] = std::min(p[i + k * stride], nearest);
        }
    }
}

}  // namespace

std::uint64_t CoveredCells(const std::vector<BetColumn>& columns, const OutcomeSpace& space) {
    std::uint64_t total = 0;
    for (const BetColumn& column : columns) {
        std::uint64_t cells = 1;
        for (int r = 0; r < RowCount; ++r) {
            int hit = 0;
            for (int k = 0; k < space.signsOn(r); ++k) hit += (column.marks[r] & space.signBit(r, k)) != 0;
            cells *= static_cast<std::uint64_t>(hit == 0 ? space.signsOn(r) : hit);
        }
        total += cells;
    }
    return total;
}

std::vector<std::uint8_t> NearestMisses(const std::vector<BetColumn>& columns, const OutcomeSpace& space) {
    std::vector<std::uint8_t> misses(space.size(), RowCount);
    if (space.size() == 0 || columns.empty()) return misses;
    for (const BetColumn& column : columns) Fill(BoxOf(column, space), 0, 0, misses.data());
    // Misses add up match by match, so spreading along each match in turn
    // leaves every cell with its fewest misses to any column.
    for (int r = 0; r < RowCount; ++r)
        if (space.signsOn(r) > 1) Spread(misses.data(), space.size(), space.stride(r), space.signsOn(r));
    return misses;
}

HitHistogram DistanceBestHits(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                              const std::uint8_t* mask) {
    const std::vector<std::uint8_t> misses = NearestMisses(columns, OutcomeSpace(forecast));
    // Four tallies in turn, so that neighbouring cells do not wait on one counter.
    std::array<std::array<std::uint64_t, RowCount + 1>, 4> tally{};
    const std::size_t cells = misses.size();
    std::size_t i = 0;
    if (mask == nullptr) {
        for (; i + 4 <= cells; i += 4)
            for (int t = 0; t < 4; ++t) ++tally[t][misses[i + t]];
        for (; i < cells; ++i) ++tally[0][misses[i]];
    } else {
        for (; i + 4 <= cells; i += 4)
            for (int t = 0; t < 4; ++t) tally[t][misses[i + t]] += mask[i + t];
        for (; i < cells; ++i) tally[0][misses[i]] += mask[i];
    }
    HitHistogram histogram{};
    for (int d = 0; d <= RowCount; ++d)
        for (const auto& one : tally) histogram[RowCount - d] += one[d];
    return histogram;
}
