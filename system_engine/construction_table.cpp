#include "construction_table.h"

#include <algorithm>

namespace {

constexpr std::uint64_t Saturated = std::uint64_t{1} << 50;

std::uint64_t Times(std::uint64_t a, std::uint64_t b) { return std::min(Saturated, a * b); }

// Covering radius of the three (or two) constant words over t triples (or
// b doubles): the commonest digit of an outcome appears at least n / q times.
int RepetitionRadius(int t, int b) {
    if (b == 0) return t - (t + 2) / 3;
    return b - (b + 1) / 2;
}

}  // namespace

ConstructionTable::ConstructionTable()
    : entries_(static_cast<std::size_t>((RowCount + 1) * (RowCount + 1) * (MaxRadius + 1))) {
    for (int n = 0; n <= RowCount; ++n) {
        // Triple-heavy shapes first: a double can borrow the code of a triple.
        for (int t = n; t >= 0; --t) {
            const int b = n - t;
            for (int r = 0; r <= MaxRadius; ++r) {
                Entry best{Saturated, Kind::OneWord};
                const auto offer = [&best](const Entry& e) {
                    if (e.size < best.size) best = e;
                };
                if (n <= r) offer({1, Kind::OneWord});
                if ((t == 0 || b == 0) && n > 0 && RepetitionRadius(t, b) <= r) offer({b == 0 ? 3u : 2u, Kind::Repetition});
                if (t == 4 && b == 0 && r >= 1) offer({9, Kind::Hamming4});
                if (t == 13 && b == 0 && r >= 1) offer({59049, Kind::Hamming13});
                if (t == 11 && b == 0 && r >= 2) offer({729, Kind::Golay});
                if (t == 0 && b == 7 && r >= 1) offer({16, Kind::Hamming7});
                if (r > 0) offer({at(t, b, r - 1).size, Kind::Looser});
                if (b > 0) offer({at(t + 1, b - 1, r).size, Kind::Merged});
                for (int t1 = 0; t1 <= t; ++t1)
                    for (int b1 = 0; b1 <= b; ++b1) {
                        if (t1 + b1 == 0 || t1 + b1 == n) continue;
                        for (int r1 = 0; r1 <= r; ++r1)
                            offer({Times(at(t1, b1, r1).size, at(t - t1, b - b1, r - r1).size), Kind::Sum, t1, b1, r1});
                    }
                at(t, b, r) = best;
            }
        }
    }
}

std::uint64_t ConstructionTable::size(int triples, int doubles, int radius) const {
    return at(triples, doubles, std::min(radius, MaxRadius)).size;
}

std::vector<CodeWord> ConstructionTable::build(int t, int b, int r) const {
    const Entry& e = at(t, b, r);
    const auto n = static_cast<std::size_t>(t + b);
    switch (e.kind) {
        case Kind::OneWord: return {CodeWord(n, 0)};
        case Kind::Repetition: {
            std::vector<CodeWord> words;
            for (std::uint8_t digit = 0; digit < (b == 0 ? 3 : 2); ++digit) words.push_back(CodeWord(n, digit));
            return words;
        }
        case Kind::Hamming4: return TernaryHamming(2);
        case Kind::Hamming13: return TernaryHamming(3);
        case Kind::Golay: return TernaryGolay();
        case Kind::Hamming7: return BinaryHamming7();
        case Kind::Looser: return build(t, b, r - 1);
        case Kind::Merged: {
            // Position t is the first double here and the last triple there.
            std::vector<CodeWord> words = build(t + 1, b - 1, r);
            for (CodeWord& word : words)
                if (word[t] == 2) word[t] = 1;
            return words;
        }
        case Kind::Sum: break;
    }
    const int t1 = e.leftTriples, b1 = e.leftDoubles;
    const std::vector<CodeWord> left = build(t1, b1, e.leftRadius);
    const std::vector<CodeWord> right = build(t - t1, b - b1, r - e.leftRadius);
    std::vector<CodeWord> words;
    words.reserve(left.size() * right.size());
    for (const CodeWord& l : left)
        for (const CodeWord& g : right) {
            CodeWord word;
            word.insert(word.end(), l.begin(), l.begin() + t1);
            word.insert(word.end(), g.begin(), g.begin() + (t - t1));
            word.insert(word.end(), l.begin() + t1, l.end());
            word.insert(word.end(), g.begin() + (t - t1), g.end());
            words.push_back(std::move(word));
        }
    return words;
}

const ConstructionTable& Constructions() {
    static const ConstructionTable table;
    return table;
}

std::vector<std::uint32_t> ConstructionCover(const OutcomeSpace& space, int radius) {
    if (radius > ConstructionTable::MaxRadius) return {};
    // The shape's positions: triples in match order, then doubles.
    std::vector<int> digitOfPosition;
    for (int q = 3; q >= 2; --q)
        for (int d = 0; d < space.varying(); ++d)
            if (space.radix(d) == q) digitOfPosition.push_back(d);
    std::vector<std::uint32_t> cover;
    for (const CodeWord& word : Constructions().build(space.triples(), space.doubles(), radius)) {
        std::uint32_t index = 0;
        for (std::size_t p = 0; p < word.size(); ++p) index += word[p] * space.weight(digitOfPosition[p]);
        cover.push_back(index);
    }
    std::sort(cover.begin(), cover.end());
    cover.erase(std::unique(cover.begin(), cover.end()), cover.end());
    return cover;
}
