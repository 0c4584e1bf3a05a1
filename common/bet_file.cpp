#include "bet_file.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "error_codes.h"
#include "pending_error.h"
#include "program_folder.h"
#include "record_file.h"

namespace {

// Records per read while loading: one system call per 48 KiB.
constexpr std::int64_t LoadBlockRecords = 4096;

void Put32(std::uint8_t* out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t Get32(const std::uint8_t* in) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// Numbers shown to the user carry a leading blank when not negative.
std::string NumberText(int number) {
    return (number >= 0 ? " " : "") + std::to_string(number);
}

// One little-endian field, read in one load where the machine allows.
std::uint32_t Field(const std::uint8_t* bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint32_t value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    } else {
        return static_cast<std::uint32_t>(Get32(bytes));
    }
}

// Notes the slot of every record that lies inside the table, in the table's
// own order of slots. A loaded file can hold a hundred thousand records, so
// this is the loader's inner loop: without branches, a record outside the
// table lands on the spare byte at the end of `seen`.
void NoteRecords(std::vector<std::uint8_t>& seen, std::uint32_t columns, const std::uint8_t* bytes,
                 std::int64_t count) {
    const std::size_t outside = seen.size() - 1;
    std::int64_t k = 0;
#if defined(__SSE2__)
    // Four records (48 bytes) at a time: their fields sorted into a vector of
    // columns, one of signs and one of rows, checked and turned into slots
    // together. Comparisons are signed here, so the sign bit is flipped to
    // compare as unsigned.
    const __m128 flip = _mm_castsi128_ps(_mm_set1_epi32(INT32_MIN));
    const __m128i columnLimit = _mm_set1_epi32(static_cast<int>(columns ^ 0x80000000u));
    const __m128i signLimit = _mm_set1_epi32(static_cast<int>(3u ^ 0x80000000u));
    const __m128i rowLimit = _mm_set1_epi32(static_cast<int>(14u ^ 0x80000000u));
    const __m128i stride = _mm_set1_epi32(static_cast<int>(columns + 1));
    const __m128i spare = _mm_set1_epi32(static_cast<int>(outside));
    alignas(16) std::uint32_t slots[4];
    for (; k + 4 <= count; k += 4, bytes += 4 * BetRecordSize) {
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
        const auto flipped = [&](__m128 x) { return _mm_castps_si128(_mm_xor_ps(x, flip)); };
        const __m128i beyond = _mm_or_si128(
            _mm_or_si128(_mm_cmpgt_epi32(flipped(c), columnLimit), _mm_cmpgt_epi32(flipped(s), signLimit)),
            _mm_cmpgt_epi32(flipped(r), rowLimit));
        // In range, sign + 4 row is below 60 and the stride below 2^15, so
        // a 16-bit product is exact; the high halves multiply by zero.
        const __m128i signRow = _mm_add_epi32(_mm_castps_si128(s), _mm_slli_epi32(_mm_castps_si128(r), 2));
        const __m128i slot = _mm_add_epi32(_mm_castps_si128(c), _mm_mullo_epi16(signRow, stride));
        _mm_store_si128(reinterpret_cast<__m128i*>(slots),
                        _mm_or_si128(_mm_andnot_si128(beyond, slot), _mm_and_si128(beyond, spare)));
        seen[slots[0]] = seen[slots[1]] = seen[slots[2]] = seen[slots[3]] = 1;
    }
#endif
    for (; k < count; ++k, bytes += BetRecordSize) {
        // Unsigned, so a negative field is out of range too.
        const std::uint32_t c = Field(bytes);
        const std::uint32_t s = Field(bytes + 4);
        const std::uint32_t r = Field(bytes + 8);
        const bool inside = (c <= columns) & (s <= 3) & (r <= 14);
        const std::size_t slot = c + (columns + 1) * (s + 4 * r);
        seen[inside ? slot : outside] = 1;
    }
}

}  // namespace

std::array<std::uint8_t, BetRecordSize> EncodeBetRecord(const BetRecord& record) {
    std::array<std::uint8_t, BetRecordSize> bytes{};
    Put32(bytes.data() + 0, record.column);
    Put32(bytes.data() + 4, record.sign);
    Put32(bytes.data() + 8, record.row);
    return bytes;
}

BetRecord DecodeBetRecord(const std::uint8_t* bytes) {
    return {Get32(bytes + 0), Get32(bytes + 4), Get32(bytes + 8)};
}

std::string AppendFailureText(int error) {
    return "Err: " + NumberText(error) + " " + ErrorText(error);
}

int WriteBetRecord(const std::string& betFile, int column, int sign, int row) {
    const auto bytes = EncodeBetRecord({column, sign, row});
    ClearPendingError();
    const int number = FreeFileNumber();
    OpenRecordFile(betFile, number, FileAccess::Write, BetRecordSize);
    // A failed open is the cause worth showing (a locked file gives 70), not
    // the "bad file number" of the record operations that would follow it.
    if (PendingError() == 0) {
        // A trailing fragment of a record is overwritten by the new one.
        const std::int64_t whole = FileLength(number) / BetRecordSize;
        PutRecord(number, whole > 0 ? whole + 1 : 1, bytes.data());
    }
    const int error = PendingError();
    CloseFile(number);
    ClearPendingError();
    return error;
}

std::vector<BetRecord> MarkedRecords(const CouponTable<std::int32_t>& marks, int columnCount) {
    std::vector<BetRecord> records;
    for (int c = 0; c < columnCount; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (marks.at(c, s, r) == 1) records.push_back({c, s, r});
    return records;
}

std::vector<std::uint8_t> EncodeBet(std::span<const BetRecord> records) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * BetRecordSize);
    for (const BetRecord& record : records) {
        const auto one = EncodeBetRecord(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

ReplaceOutcome ReplaceBet(const std::string& betFile, std::span<const BetRecord> records) {
    ClearPendingError();
    WriteAttributes(betFile, Attribute::Archive);
    ClearPendingError();
    if (!records.empty()) return ReplaceFileWhole(betFile, EncodeBet(records));
    // No marks store no file: the old bet goes, unless someone holds it.
    if (!FileExists(betFile)) return {};
    DeleteFiles(betFile);
    const int error = TakePendingError();
    if (!FileExists(betFile)) return {};
    return {error != 0 ? error : ErrorNumber::PermissionDenied, true};
}

int LoadBet(CouponTables& tables, const std::string& betFile) {
    ResetMarkTable(tables);
    ClearPendingError();
    const int number = FreeFileNumber();
    OpenRecordFile(betFile, number, FileAccess::Read, BetRecordSize);
    if (const int error = TakePendingError()) return error;
    const std::int64_t count = FileLength(number) / BetRecordSize;
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min(count, LoadBlockRecords)) *
                                    BetRecordSize);
    CouponTable<std::int32_t>& marks = tables.markTable;
    const auto columns = static_cast<std::uint32_t>(marks.columns());
    std::vector<std::uint8_t> seen(marks.size() + 1, 0);
    for (std::int64_t first = 1; first <= count;) {
        const std::int64_t wanted = std::min(LoadBlockRecords, count - first + 1);
        const std::int64_t got = GetRecords(number, first, wanted, block.data());
        NoteRecords(seen, columns, block.data(), got);
        // A failed or short read keeps what was read before it, as before.
        if (got < wanted || PendingError() != 0) break;
        first += got;
    }
    for (int r = 0; r <= 14; ++r)
        for (int s = 0; s <= 3; ++s)
            for (int c = 0; c <= static_cast<int>(columns); ++c)
                if (seen[static_cast<std::size_t>(c) + (columns + 1) * (s + 4 * r)]) marks.at(c, s, r) = 1;
    const int error = TakePendingError();
    CloseFile(number);
    ClearPendingError();
    return error;
}
