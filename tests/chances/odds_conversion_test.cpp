#include "odds_conversion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Odds 2.7 / 2.3 / 4.4, worked in penaltyblog's documentation.
constexpr SignFigures WorkedOdds{2.7, 2.3, 4.4};

struct Worked {
    OddsMethod method;
    SignFigures expected;
};

TEST(OddsConversion, ReproducesThePublishedExampleForEveryMethod) {
    const Worked cases[] = {
        {OddsMethod::Multiplicative, {0.35873804, 0.42112726, 0.22013470}},
        {OddsMethod::Additive, {0.35956180, 0.42397404, 0.21646416}},
        {OddsMethod::Power, {0.35917110, 0.42373075, 0.21709815}},
        {OddsMethod::Shin, {0.35934392, 0.42324385, 0.21741223}},
        {OddsMethod::OddsRatio, {0.35881036, 0.42256142, 0.21862822}},
    };
    for (const Worked& one : cases) {
        const auto p = ConvertOdds(WorkedOdds, one.method);
        ASSERT_TRUE(p) << OddsMethodName(one.method);
        for (int i = 0; i < SignCount; ++i) EXPECT_NEAR((*p)[i], one.expected[i], 1e-8) << OddsMethodName(one.method);
        EXPECT_NEAR((*p)[0] + (*p)[1] + (*p)[2], 1.0, 1e-12) << OddsMethodName(one.method);
    }
}

TEST(OddsConversion, TheSolvedParametersMatchThePublishedOnes) {
    // Each method's parameter, recovered from its own output by the formula.
    const double r0 = 1 / WorkedOdds[0];
    const double power = std::log(ConvertOdds(WorkedOdds, OddsMethod::Power)->at(0)) / std::log(r0);
    EXPECT_NEAR(power, 1.0309132393, 1e-9);
    const double p0 = ConvertOdds(WorkedOdds, OddsMethod::OddsRatio)->at(0);
    EXPECT_NEAR((r0 / p0 - r0) / (1 - r0), 1.0511691273, 1e-9);
}

TEST(OddsConversion, RefusesOddsNotAboveOneAndNegativeAdditiveChances) {
    EXPECT_FALSE(ConvertOdds({1.0, 3.0, 4.0}, OddsMethod::Shin));
    EXPECT_FALSE(ConvertOdds({0.5, 3.0, 4.0}, OddsMethod::Multiplicative));
    EXPECT_FALSE(ConvertOdds({NAN, 3.0, 4.0}, OddsMethod::Power));
    // A long shot at 30 with a margin of 11.7 %: 1/30 - 0.117/3 < 0.
    EXPECT_FALSE(ConvertOdds({1.2, 4.0, 30.0}, OddsMethod::Additive));
    EXPECT_TRUE(ConvertOdds({1.2, 4.0, 30.0}, OddsMethod::Shin));
}

TEST(OddsConversion, FairOddsStayAsTheyAre) {
    // No margin: every method gives back 1 / odds.
    for (const OddsMethod method : {OddsMethod::Multiplicative, OddsMethod::Additive, OddsMethod::Power,
                                    OddsMethod::Shin, OddsMethod::OddsRatio}) {
        const auto p = ConvertOdds({2.0, 4.0, 4.0}, method);
        ASSERT_TRUE(p);
        EXPECT_NEAR((*p)[0], 0.5, 1e-12) << OddsMethodName(method);
        EXPECT_NEAR((*p)[2], 0.25, 1e-12) << OddsMethodName(method);
    }
}

TEST(OddsConversion, NamesGoBothWays) {
    for (const char* name : {"multiplicative", "additive", "power", "shin", "odds-ratio"})
        EXPECT_STREQ(OddsMethodName(*OddsMethodNamed(name)), name);
    EXPECT_FALSE(OddsMethodNamed("Shin"));
    EXPECT_FALSE(OddsMethodNamed("odds_ratio"));
}

}  // namespace
