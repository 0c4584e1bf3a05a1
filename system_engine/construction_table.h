#pragma once

#include <cstdint>
#include <vector>

#include "outcome_space.h"
#include "perfect_codes.h"

// Covering codes put together from the perfect codes: direct sums (radii
// add, sizes multiply), a match with every sign (radius 0), one column for
// as many matches as the radius, repetition codes, and a triple code read on
// a double by merging two signs. For every shape of up to 14 varying matches
// and radius up to 4 the table keeps the smallest such code and how to build
// it. Cheap to make and exact, so it also tells a refused size up front.
class ConstructionTable {
public:
    static constexpr int MaxRadius = 4;

    ConstructionTable();

    // Columns of the smallest construction; saturates far above any limit.
    std::uint64_t size(int triples, int doubles, int radius) const;
    // Its words over the shape: the triples first, then the doubles.
    std::vector<CodeWord> build(int triples, int doubles, int radius) const;

private:
    enum class Kind : std::uint8_t { OneWord, Repetition, Hamming4, Hamming13, Golay, Hamming7, Looser, Merged, Sum };
    struct Entry {
        std::uint64_t size = 0;
        Kind kind = Kind::OneWord;
        int leftTriples = 0, leftDoubles = 0, leftRadius = 0;  // for Sum
    };
    const Entry& at(int t, int b, int r) const { return entries_[(t * (RowCount + 1) + b) * (MaxRadius + 1) + r]; }
    Entry& at(int t, int b, int r) { return entries_[(t * (RowCount + 1) + b) * (MaxRadius + 1) + r]; }

    std::vector<Entry> entries_;
};

// The one table the engine builds from, made on first use.
const ConstructionTable& Constructions();

// The table's code for the forecast's shape as outcomes of `space`. Empty
// when the radius is above the table's.
std::vector<std::uint32_t> ConstructionCover(const OutcomeSpace& space, int radius);
