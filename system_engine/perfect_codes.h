#pragma once

#include <cstdint>
#include <vector>

// The perfect covering codes the football pool problem is built from: every
// outcome lies within the radius of exactly one word. A word holds one digit
// per match (0, 1, 2 for the signs in order; 0, 1 on a double).

using CodeWord = std::vector<std::uint8_t>;

// Ternary Hamming code of (3^r - 1) / 2 matches, radius 1: r = 2 gives the 9
// words over 4 matches, r = 3 the 59,049 over 13.
std::vector<CodeWord> TernaryHamming(int r);
// Ternary Golay code: 729 words over 11 matches, radius 2.
std::vector<CodeWord> TernaryGolay();
// Binary Hamming code: 16 words over 7 doubles, radius 1.
std::vector<CodeWord> BinaryHamming7();
