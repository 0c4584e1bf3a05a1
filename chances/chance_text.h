#pragma once

#include <string>

#include "bet_chances.h"

// The chances of a bet as the Spanish texts write them, UTF-8. The command
// line prints them, the systems command heads its output with them and the
// systems window shows them.

// "14: 0,27 % · 13 o más: 4,02 % · 12 o más: 21,50 % · 11 o más: … · 10 o
// más: …", from 14 hits down to `lowestHits` (10..14).
std::string ProbabilityText(const BetChances& chances, int lowestHits = 10);
// "6,80 € (0,38 € por euro)"; the part in brackets only when something is
// staked, and nothing at all without the prize model.
std::string ValueText(const BetChances& chances);
// "14: 0,0000033 · 13: 0,000093 · …": four significant figures.
std::string WinnersText(const BetChances& chances);
// "14: 3,10 € · 13: 1,20 € · … · 10: 0,40 €"; nothing without the prize model.
std::string PrizeText(const BetChances& chances);
// "1 entre 4.782.969" for a chance above 0, "0 %" for none.
std::string OneInText(double chance);
// "2,39": two decimals, thousands grouped.
std::string RatioText(double ratio);
