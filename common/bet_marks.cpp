#include "bet_marks.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "ceil_div.h"
#include "pending_error.h"
#include "record_file.h"

namespace {

// Records per read: 384 KiB, few enough system calls to read a 10 MB bet
// about as fast as one read of it, and a buffer that stays in the cache.
constexpr std::int64_t LoadBlockRecords = 32768;

std::uint32_t Field(const std::uint8_t* bytes) {
    std::uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::big) value = __builtin_bswap32(value);
    return value;
}

static_assert(sizeof(MatchSigns) == RowCount, "a bet's columns lie back to back, fourteen bytes each");

// Fills `marks` from records, room growing with the highest column seen so
// that memory follows the bet. One column past the room is kept spare: a
// record out of range marks nothing there.
class MarkLoader {
public:
    MarkLoader(BetMarks& marks, std::int64_t records) : marks_(marks) {
        // Saved bets of simple columns hold fourteen records a column.
        Grow(static_cast<std::uint32_t>(std::min<std::int64_t>(records / RowCount + 16, MaxBetColumns)));
    }

    // The inner loop, run once per record of a file that can hold over a
    // million: no branch on a record's contents but a rare one to grow.
    void Note(const std::uint8_t* bytes, std::int64_t count) {
        if (AllInside(bytes, count)) {
            // Every record of the block marks a cell of the room: nothing
            // left to check but the mark itself.
            for (std::int64_t k = 0; k < count; ++k, bytes += BetRecordSize)
                cells_[Field(bytes) * RowCount + Field(bytes + 8)] |= static_cast<std::uint8_t>(1u << Field(bytes + 4));
            return;
        }
        std::int64_t k = 0;
#if defined(__SSE2__)
        for (; k + 4 <= count; k += 4, bytes += 4 * BetRecordSize) NoteFour(bytes);
#endif
        for (; k < count; ++k, bytes += BetRecordSize) {
            // Unsigned, so that a negative field is out of range too.
            const std::uint32_t c = Field(bytes);
            const std::uint32_t s = Field(bytes + 4);
            const std::uint32_t r = Field(bytes + 8);
            const bool inside = (c < MaxBetColumns) & (s < SignCount) & (r < RowCount);
            if (inside && c >= room_) Grow(c + 1);
            cells_[inside ? c * RowCount + r : Spare()] |= static_cast<std::uint8_t>(inside << (s & 7));
        }
    }

    // Cuts the marks after the last column with a mark.
    void Finish() {
        std::size_t end = Spare();
        std::uint64_t word = 0;
        for (; end >= 8; end -= 8) {  // eight cells at a time from the top
            std::memcpy(&word, cells_ + end - 8, 8);
            if (word != 0) break;
        }
        while (end > 0 && cells_[end - 1] == 0) --end;
        marks_.resize(CeilDiv(end, std::size_t{RowCount}));
    }

private:
    std::uint32_t Spare() const { return room_ * RowCount; }

    // True when every record of the block lies inside the room, checked
    // with no branch per record. Saved bets pass whole.
    bool AllInside(const std::uint8_t* bytes, std::int64_t count) const {
        const std::uint32_t c = room_ - 1, s = SignCount - 1, r = RowCount - 1;
        std::int64_t k = 0;
#if defined(__SSE2__)
        // Three vectors hold four records; the limits follow the fields'
        // places in them. Signed compares, so the sign bits are flipped.
        const __m128i flip = _mm_set1_epi32(INT32_MIN);
        const auto limits = [](std::uint32_t a, std::uint32_t b, std::uint32_t d, std::uint32_t e) {
            return _mm_set_epi32(static_cast<int>(e ^ 0x80000000u), static_cast<int>(d ^ 0x80000000u),
                                 static_cast<int>(b ^ 0x80000000u), static_cast<int>(a ^ 0x80000000u));
        };
        const __m128i l0 = limits(c, s, r, c), l1 = limits(s, r, c, s), l2 = limits(r, c, s, r);
        const auto above = [&](const std::uint8_t* at, __m128i limit) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            return _mm_cmpgt_epi32(_mm_xor_si128(v, flip), limit);
        };
        __m128i outside = _mm_setzero_si128();
        for (; k + 4 <= count; k += 4, bytes += 4 * BetRecordSize)
            outside = _mm_or_si128(outside, _mm_or_si128(above(bytes, l0),
                                                         _mm_or_si128(above(bytes + 16, l1), above(bytes + 32, l2))));
        if (_mm_movemask_epi8(outside) != 0) return false;
#endif
        // Branch-free over the last few records: one flag for all of them.
        unsigned inside = 1;
        for (; k < count; ++k, bytes += BetRecordSize)
            inside &= static_cast<unsigned>(Field(bytes) <= c) &
                      static_cast<unsigned>(Field(bytes + 4) <= s) &
                      static_cast<unsigned>(Field(bytes + 8) <= r);
        return inside != 0;
    }

    void Grow(std::uint32_t columns) {
        room_ = std::min<std::uint32_t>(std::max(columns, 2 * room_), MaxBetColumns);
        marks_.resize(room_ + 1);  // new columns start empty
        cells_ = reinterpret_cast<std::uint8_t*>(marks_.data());
    }

#if defined(__SSE2__)
    // Four records (48 bytes) at once: their fields sorted into a vector of
    // columns, one of signs and one of rows, checked and turned into cells
    // together. Comparisons are signed here, so the sign bit is flipped to
    // compare as unsigned.
    void NoteFour(const std::uint8_t* bytes) {
        const __m128i flip = _mm_set1_epi32(INT32_MIN);
        const auto flipped = [&](__m128 x) { return _mm_xor_si128(_mm_castps_si128(x), flip); };
        const auto limit = [](std::uint32_t last) { return _mm_set1_epi32(static_cast<int>(last ^ 0x80000000u)); };
        const __m128 v0 = _mm_loadu_ps(reinterpret_cast<const float*>(bytes));       // c0 s0 r0 c1
        const __m128 v1 = _mm_loadu_ps(reinterpret_cast<const float*>(bytes + 16));  // s1 r1 c2 s2
        const __m128 v2 = _mm_loadu_ps(reinterpret_cast<const float*>(bytes + 32));  // r2 c3 s3 r3
        const __m128 c23 = _mm_shuffle_ps(v1, v2, _MM_SHUFFLE(1, 1, 2, 2));          // c2 c2 c3 c3
        const __m128 c = _mm_shuffle_ps(v0, c23, _MM_SHUFFLE(2, 0, 3, 0));
        const __m128 s01 = _mm_shuffle_ps(v0, v1, _MM_SHUFFLE(0, 0, 1, 1));          // s0 s0 s1 s1
        const __m128 s23 = _mm_shuffle_ps(v1, v2, _MM_SHUFFLE(2, 2, 3, 3));          // s2 s2 s3 s3
        const __m128 s = _mm_shuffle_ps(s01, s23, _MM_SHUFFLE(2, 0, 2, 0));
        const __m128 r01 = _mm_shuffle_ps(v0, v1, _MM_SHUFFLE(1, 1, 2, 2));          // r0 r0 r1 r1
        const __m128 r23 = _mm_shuffle_ps(v2, v2, _MM_SHUFFLE(3, 3, 0, 0));          // r2 r2 r3 r3
        const __m128 r = _mm_shuffle_ps(r01, r23, _MM_SHUFFLE(2, 0, 2, 0));
        const __m128i fc = flipped(c);
        const __m128i outside = _mm_or_si128(_mm_or_si128(_mm_cmpgt_epi32(fc, limit(MaxBetColumns - 1)),
                                                          _mm_cmpgt_epi32(flipped(s), limit(SignCount - 1))),
                                             _mm_cmpgt_epi32(flipped(r), limit(RowCount - 1)));
        if (_mm_movemask_epi8(_mm_andnot_si128(outside, _mm_cmpgt_epi32(fc, limit(room_ - 1)))) != 0) {
            alignas(16) std::uint32_t columns[4];
            _mm_store_si128(reinterpret_cast<__m128i*>(columns), _mm_castps_si128(c));
            std::uint32_t highest = 0;
            for (const std::uint32_t column : columns) highest = std::max(highest, column < MaxBetColumns ? column : 0);
            Grow(highest + 1);
        }
        // 14 c + r as shifts (SSE2 multiplies 32-bit lanes only in pairs),
        // and above it the sign's bit 1 << s: 1 + s, one more when s is 2.
        const __m128i ci = _mm_castps_si128(c);
        const __m128i si = _mm_castps_si128(s);
        const __m128i cell = _mm_add_epi32(_mm_sub_epi32(_mm_slli_epi32(ci, 4), _mm_slli_epi32(ci, 1)),
                                           _mm_castps_si128(r));
        const __m128i bit = _mm_sub_epi32(_mm_add_epi32(_mm_set1_epi32(1), si), _mm_cmpeq_epi32(si, _mm_set1_epi32(2)));
        alignas(16) std::uint32_t at[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(at),
                        _mm_or_si128(_mm_andnot_si128(outside, _mm_or_si128(cell, _mm_slli_epi32(bit, 24))),
                                     _mm_and_si128(outside, _mm_set1_epi32(static_cast<int>(Spare())))));
        for (const std::uint32_t one : at) cells_[one & 0xffffff] |= static_cast<std::uint8_t>(one >> 24);
    }
#endif

    BetMarks& marks_;
    std::uint32_t room_ = 0;
    std::uint8_t* cells_ = nullptr;
};

}  // namespace

int LoadBetMarks(const std::string& betFile, BetMarks& marks) {
    marks.clear();
    ClearPendingError();
    const int number = FreeFileNumber();
    OpenRecordFile(betFile, number, BetRecordSize);
    if (const int error = TakePendingError()) return error;
    const std::int64_t count = FileLength(number) / BetRecordSize;
    // Not zeroed first: every byte decoded is read into it before.
    const auto block = std::make_unique_for_overwrite<std::uint8_t[]>(
        static_cast<std::size_t>(std::min(count, LoadBlockRecords)) * BetRecordSize);
    MarkLoader loader(marks, count);
    for (std::int64_t first = 1; first <= count;) {
        const std::int64_t wanted = std::min(LoadBlockRecords, count - first + 1);
        const std::int64_t got = GetRecords(number, first, wanted, block.get());
        loader.Note(block.get(), got);
        // A failed or short read keeps what was read before it.
        if (got < wanted || PendingError() != 0) break;
        first += got;
    }
    loader.Finish();
    const int error = TakePendingError();
    CloseFile(number);
    ClearPendingError();
    return error;
}

std::vector<BetRecord> BetRecordsOf(const BetMarks& marks) {
    std::vector<BetRecord> records;
    for (std::size_t c = 0; c < marks.size(); ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (marks[c][r] & (1 << s)) records.push_back({static_cast<std::int32_t>(c), s, r});
    return records;
}

std::vector<BetColumn> MarkedColumns(const BetMarks& marks) {
    std::vector<BetColumn> columns;
    for (std::size_t c = 0; c < marks.size(); ++c)
        if (std::any_of(marks[c].begin(), marks[c].end(), [](SignSet signs) { return signs != 0; }))
            columns.push_back({static_cast<int>(c), marks[c]});
    return columns;
}

BetMarks BetMarksOf(const std::vector<BetColumn>& columns) {
    BetMarks marks;
    for (const BetColumn& column : columns) {
        if (column.column < 0 || column.column >= MaxBetColumns) continue;
        const auto c = static_cast<std::size_t>(column.column);
        if (marks.size() <= c) marks.resize(c + 1);
        for (int r = 0; r < RowCount; ++r) marks[c][r] |= column.marks[r] & AllSigns;
    }
    while (!marks.empty() && marks.back() == MatchSigns{}) marks.pop_back();
    return marks;
}
