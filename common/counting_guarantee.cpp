#include "counting_guarantee.h"

#include <algorithm>
#include <system_error>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "ceil_div.h"

// Every outcome is the sum of an outcome of the first matches and one of the
// last: the hits of all columns for each half-outcome are worked out once,
// sixteen columns to a 16-byte vector, and each full outcome is then one
// vector addition and a horizontal maximum.

namespace {

inline constexpr int Lanes = 16;
inline constexpr int SplitRow = RowCount / 2;

struct alignas(16) HitLanes {
    std::uint8_t hits[Lanes];
};

using Histogram = HitHistogram;

// The hits of every column for each outcome of the matches [from, to):
// `chunks` vectors per outcome, unused lanes left at 0.
struct HalfOutcomes {
    std::size_t count = 0;
    int chunks = 0;
    std::vector<HitLanes> lanes;
    const HitLanes* at(std::size_t outcome) const { return &lanes[outcome * static_cast<std::size_t>(chunks)]; }
};

HalfOutcomes EnumerateHalf(const std::vector<BetColumn>& columns, const MatchSigns& forecast, int from,
                           int to) {
    HalfOutcomes half;
    half.chunks = static_cast<int>(CeilDiv(columns.size(), std::size_t{Lanes}));
    const auto chunks = static_cast<std::size_t>(half.chunks);
    half.count = 1;
    half.lanes.assign(chunks, HitLanes{});  // the one outcome of no matches
    // Match by match, every outcome so far grows by each forecast sign: it
    // gains a hit in the columns that mark that sign.
    for (int r = from; r < to; ++r) {
        std::vector<HitLanes> grown;
        grown.reserve(half.lanes.size() * 3);
        for (std::size_t outcome = 0; outcome < half.count; ++outcome) {
            for (SignSet sign = 1; sign <= 4; sign = static_cast<SignSet>(sign << 1)) {
                if ((forecast[r] & sign) == 0) continue;
                for (std::size_t k = 0; k < chunks; ++k) {
                    HitLanes lanes = half.lanes[outcome * chunks + k];
                    for (std::size_t l = 0; l < Lanes && k * Lanes + l < columns.size(); ++l)
                        lanes.hits[l] += (columns[k * Lanes + l].marks[r] & sign) != 0;
                    grown.push_back(lanes);
                }
            }
        }
        half.lanes = std::move(grown);
        half.count = chunks > 0 ? half.lanes.size() / chunks : 0;
    }
    return half;
}

#if defined(__SSE2__)
__m128i Load(const HitLanes& lanes) { return _mm_load_si128(reinterpret_cast<const __m128i*>(lanes.hits)); }

// Every column's hits in the outcome made of the two halves, folded over the
// chunks so that lane l holds the best of columns l, l + 16, ...
// FixedChunks 1 lets the compiler drop the loop for bets of up to sixteen
// columns; 0 means `chunks` is only known at run time.
template <int FixedChunks = 0>
__m128i Sum(const HitLanes* a, const HitLanes* b, int chunks) {
    __m128i best = _mm_add_epi8(Load(a[0]), Load(b[0]));
    if constexpr (FixedChunks == 1) return best;
    for (int c = 1; c < chunks; ++c) best = _mm_max_epu8(best, _mm_add_epi8(Load(a[c]), Load(b[c])));
    return best;
}

int BestOf(const HitLanes* a, const HitLanes* b, int chunks) {
    __m128i v = Sum(a, b, chunks);
    v = _mm_max_epu8(v, _mm_srli_si128(v, 8));
    v = _mm_max_epu8(v, _mm_srli_si128(v, 4));
    v = _mm_max_epu8(v, _mm_srli_si128(v, 2));
    v = _mm_max_epu8(v, _mm_srli_si128(v, 1));
    return _mm_cvtsi128_si32(v) & 0xff;
}

// Folds two vectors of per-outcome partial bests into one, halving the
// partials each outcome has left: bytes from the low and high halves of a
// `Width`-byte unit are paired up by the unpacks and the larger kept.
template <int Width>
__m128i Fold(__m128i x, __m128i y) {
    if constexpr (Width == 1) return _mm_max_epu8(_mm_unpacklo_epi8(x, y), _mm_unpackhi_epi8(x, y));
    if constexpr (Width == 2) return _mm_max_epu8(_mm_unpacklo_epi16(x, y), _mm_unpackhi_epi16(x, y));
    if constexpr (Width == 4) return _mm_max_epu8(_mm_unpacklo_epi32(x, y), _mm_unpackhi_epi32(x, y));
    return _mm_max_epu8(_mm_unpacklo_epi64(x, y), _mm_unpackhi_epi64(x, y));
}

// The bests of 2^Level consecutive inner outcomes, folded depth first so
// that few vectors are alive at once.
template <int Level, int FixedChunks>
__m128i BestsOf(const HitLanes* a, const HitLanes* b, int chunks) {
    if constexpr (Level == 0) {
        return Sum<FixedChunks>(a, b, chunks);
    } else {
        constexpr int Half = 1 << (Level - 1);
        return Fold<Half>(BestsOf<Level - 1, FixedChunks>(a, b, chunks),
                          BestsOf<Level - 1, FixedChunks>(a, b + Half * chunks, chunks));
    }
}

int OwnBest(const HitLanes* a, int chunks);

// One outer outcome against every inner one, sixteen at a time: the sixteen
// horizontal maxima are done together as a transpose (which byte holds which
// outcome does not matter to a count). Every best lies within eight of the
// outer's own best column, as the inner half has seven matches, so eight
// byte counters count them; kept in registers, they are added up at the end
// (3^7 inner outcomes are 136 blocks, before a byte could wrap).
// `mask` (or nullptr) holds a byte per inner outcome: 0 leaves it uncounted,
// its offset forced to 0xff, which no counter compares equal to.
template <int FixedChunks>
void CountAgainst(const HitLanes* a, const HalfOutcomes& inner, int chunks, const std::uint8_t* mask,
                  Histogram& histogram) {
    constexpr int Span = RowCount - SplitRow + 1;
    const int lowest = OwnBest(a, chunks);
    const __m128i base = _mm_set1_epi8(static_cast<char>(lowest));
    __m128i counts[Span];
    for (__m128i& count : counts) count = _mm_setzero_si128();
    std::size_t j = 0;
    for (; j + 16 <= inner.count; j += 16) {
        __m128i offset = _mm_sub_epi8(BestsOf<4, FixedChunks>(a, inner.at(j), chunks), base);
        if (mask != nullptr)
            offset = _mm_or_si128(offset, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + j)),
                                                         _mm_setzero_si128()));
#pragma GCC unroll 8
        for (int k = 0; k < Span; ++k)
            counts[k] = _mm_sub_epi8(counts[k], _mm_cmpeq_epi8(offset, _mm_set1_epi8(static_cast<char>(k))));
    }
    for (int k = 0; k < Span && lowest + k <= RowCount; ++k) {
        const __m128i sums = _mm_sad_epu8(counts[k], _mm_setzero_si128());
        histogram[lowest + k] += static_cast<std::uint64_t>(_mm_cvtsi128_si32(sums)) +
                                 static_cast<std::uint64_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
    for (; j < inner.count; ++j)
        if (mask == nullptr || mask[j] != 0) ++histogram[BestOf(a, inner.at(j), chunks)];
}
#else
int BestOf(const HitLanes* a, const HitLanes* b, int chunks) {
    int best = 0;
    for (int c = 0; c < chunks; ++c)
        for (int l = 0; l < Lanes; ++l) best = std::max(best, a[c].hits[l] + b[c].hits[l]);
    return best;
}

#endif

// The best column of one half-outcome alone.
int OwnBest(const HitLanes* a, int chunks) {
    int best = 0;
    for (int c = 0; c < chunks; ++c)
        for (int l = 0; l < Lanes; ++l) best = std::max<int>(best, a[c].hits[l]);
    return best;
}

// Outcomes [begin, end) of the outer half against every outcome of the
// inner; `mask` (or nullptr) in the order outer-major.
Histogram CountBest(const HalfOutcomes& outer, const HalfOutcomes& inner, const std::uint8_t* mask,
                    std::size_t begin, std::size_t end) {
    Histogram histogram{};
    const int chunks = outer.chunks;
    for (std::size_t i = begin; i < end; ++i) {
        const HitLanes* a = outer.at(i);
        const std::uint8_t* row = mask != nullptr ? mask + i * inner.count : nullptr;
#if defined(__SSE2__)
        if (chunks == 1)
            CountAgainst<1>(a, inner, chunks, row, histogram);
        else
            CountAgainst<0>(a, inner, chunks, row, histogram);
#else
        for (std::size_t j = 0; j < inner.count; ++j)
            if (row == nullptr || row[j] != 0) ++histogram[BestOf(a, inner.at(j), chunks)];
#endif
    }
    return histogram;
}

// Below this many outcomes a second thread costs more than it saves.
inline constexpr std::uint64_t ThreadedOutcomes = 1 << 16;

}  // namespace

HitHistogram CountBestHits(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const std::uint8_t* mask) {
    HalfOutcomes first = EnumerateHalf(columns, forecast, 0, SplitRow);
    HalfOutcomes second = EnumerateHalf(columns, forecast, SplitRow, RowCount);
    const std::uint64_t outcomes = first.count * second.count;
    if (outcomes == 0) return {};

    // The larger half outside, so that the outer loop has work to share.
    const bool firstOutside = first.count >= second.count;
    const HalfOutcomes& outer = firstOutside ? first : second;
    const HalfOutcomes& inner = firstOutside ? second : first;
    // The mask comes first-half-major; turned around when that half is inside.
    std::vector<std::uint8_t> turned;
    if (mask != nullptr && !firstOutside) {
        turned.resize(outcomes);
        for (std::size_t f = 0; f < first.count; ++f)
            for (std::size_t s = 0; s < second.count; ++s) turned[s * first.count + f] = mask[f * second.count + s];
        mask = turned.data();
    }
    std::size_t split = outer.count;
    Histogram helped{};
    std::thread helper;
    if (outcomes >= ThreadedOutcomes && std::thread::hardware_concurrency() > 1) {
        split = outer.count / 2;
        try {
            helper = std::thread([&] { helped = CountBest(outer, inner, mask, split, outer.count); });
        } catch (const std::system_error&) {
            split = outer.count;  // no thread to be had: do it all here
        }
    }
    Histogram histogram = CountBest(outer, inner, mask, 0, split);
    if (helper.joinable()) {
        helper.join();
        for (int k = 0; k <= RowCount; ++k) histogram[k] += helped[k];
    }
    return histogram;
}
