#include "perfect_codes.h"

namespace {

// All vectors of `length` digits below `q`, the last digit fastest.
template <typename Use>
void ForEachVector(int length, int q, Use&& use) {
    CodeWord v(static_cast<std::size_t>(length), 0);
    for (;;) {
        use(v);
        int d = length - 1;
        while (d >= 0 && ++v[d] == q) v[d--] = 0;
        if (d < 0) return;
    }
}

}  // namespace

std::vector<CodeWord> TernaryHamming(int r) {
    // Check matrix: one column per point of the projective space over GF(3),
    // i.e. per non-zero vector whose first non-zero entry is 1. The first r
    // columns are the unit vectors, so the first r digits of a word are its
    // check digits and the rest are free.
    std::vector<CodeWord> points;
    for (int i = 0; i < r; ++i) {
        CodeWord unit(static_cast<std::size_t>(r), 0);
        unit[i] = 1;
        points.push_back(unit);
    }
    ForEachVector(r, 3, [&](const CodeWord& p) {
        int nonZero = 0, first = -1;
        for (int i = 0; i < r; ++i)
            if (p[i] != 0) {
                ++nonZero;
                if (first < 0) first = i;
            }
        if (nonZero >= 2 && p[first] == 1) points.push_back(p);
    });
    const int length = static_cast<int>(points.size());
    std::vector<CodeWord> words;
    ForEachVector(length - r, 3, [&](const CodeWord& free) {
        CodeWord word(static_cast<std::size_t>(length), 0);
        std::vector<int> syndrome(static_cast<std::size_t>(r), 0);
        for (int j = 0; j < length - r; ++j) {
            word[r + j] = free[j];
            for (int i = 0; i < r; ++i) syndrome[i] += free[j] * points[r + j][i];
        }
        for (int i = 0; i < r; ++i) word[i] = static_cast<std::uint8_t>((3 - syndrome[i] % 3) % 3);
        words.push_back(word);
    });
    return words;
}

std::vector<CodeWord> TernaryGolay() {
    // The cyclic [11, 6, 5] code with generator x^5 + x^4 + 2x^3 + x^2 + 2:
    // every multiple m(x) g(x) with deg m < 6, coefficients from x^0 up.
    constexpr int generator[6] = {2, 0, 1, 2, 1, 1};
    std::vector<CodeWord> words;
    ForEachVector(6, 3, [&](const CodeWord& m) {
        CodeWord word(11, 0);
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) word[(i + j) % 11] = static_cast<std::uint8_t>((word[(i + j) % 11] + m[i] * generator[j]) % 3);
        words.push_back(word);
    });
    return words;
}

std::vector<CodeWord> BinaryHamming7() {
    // Words whose marked positions (numbered 1..7) XOR to zero.
    std::vector<CodeWord> words;
    ForEachVector(7, 2, [&](const CodeWord& v) {
        int syndrome = 0;
        for (int i = 0; i < 7; ++i)
            if (v[i]) syndrome ^= i + 1;
        if (syndrome == 0) words.push_back(v);
    });
    return words;
}
