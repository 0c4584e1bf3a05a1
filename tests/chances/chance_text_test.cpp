#include "chance_text.h"

#include <gtest/gtest.h>

namespace {

BetChances Worked() {
    BetChances chances;
    chances.probability = {0.0027, 0.0402, 0.21496, 0.55, 0.8};
    chances.expectedWinners = {0.0000033449, 0.000093, 0.0123456, 1.5, 1234.5};
    chances.expectedPrize = CategoryFigures{3.1, 1.2, 1.104, 0.996, 0.4};
    chances.expectedTotal = 6.8;
    chances.value = 0.3778;
    return chances;
}

TEST(ChanceText, WritesTheSummaryLinesInSpanish) {
    const BetChances chances = Worked();
    EXPECT_EQ(ProbabilityText(chances),
              "14: 0,27 % · 13 o más: 4,02 % · 12 o más: 21,50 % · 11 o más: 55,00 % · 10 o más: 80,00 %");
    // The window's shorter line stops at 12.
    EXPECT_EQ(ProbabilityText(chances, 12) + " · Valor esperado " + ValueText(chances),
              "14: 0,27 % · 13 o más: 4,02 % · 12 o más: 21,50 % · Valor esperado 6,80 € (0,38 € por euro)");
    EXPECT_EQ(WinnersText(chances), "14: 0,000003345 · 13: 0,000093 · 12: 0,01235 · 11: 1,5 · 10: 1234,5");
    EXPECT_EQ(PrizeText(chances), "14: 3,10 € · 13: 1,20 € · 12: 1,10 € · 11: 1,00 € · 10: 0,40 €");
}

TEST(ChanceText, LeavesOutWhatIsNotKnown) {
    BetChances chances = Worked();
    chances.value.reset();  // nothing staked
    EXPECT_EQ(ValueText(chances), "6,80 €");
    chances.expectedPrize.reset();
    EXPECT_EQ(ValueText(chances), "");
    EXPECT_EQ(PrizeText(chances), "");
}

TEST(ChanceText, WritesChancesAsOneInAndRatiosWithTwoDecimals) {
    EXPECT_EQ(OneInText(1 / 4782969.0), "1 entre 4.782.969");
    EXPECT_EQ(OneInText(0.5), "1 entre 2");
    EXPECT_EQ(OneInText(0), "0 %");
    // Beyond 64 bits: still whole digits, grouped.
    const std::string huge = OneInText(1e-25);
    EXPECT_EQ(huge, "1 entre 10.000.000.000.000.000.000.000.000");
    EXPECT_EQ(OneInText(1 / 1234567890123456789.0), "1 entre 1.234.567.890.123.460.000");
    EXPECT_EQ(RatioText(2.386), "2,39");
    EXPECT_EQ(RatioText(8192), "8.192,00");
}

}  // namespace
