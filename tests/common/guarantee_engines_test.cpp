#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "brute_force.h"
#include "condition_mask.h"
#include "guarantee.h"

namespace {

// Every outcome of the forecast that meets the conditions, each against
// every column: the definition of the profile, nothing shared with the engines.
HitHistogram Listed(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                    const ColumnConditions& conditions) {
    HitHistogram best{};
    SimpleColumn outcome{};
    std::array<int, RowCount> signs{};  // how many forecast signs each match has
    for (int r = 0; r < RowCount; ++r) signs[r] = std::popcount(unsigned{forecast[r]});
    std::array<int, RowCount> at{};
    for (;;) {
        for (int r = 0; r < RowCount; ++r) {
            int k = -1;
            for (int s = 0; s < SignCount; ++s)
                if ((forecast[r] >> s) & 1 && ++k == at[r]) outcome[r] = static_cast<std::uint8_t>(s);
        }
        if (MeetsConditions(conditions, outcome)) {
            int hits = 0;
            for (const BetColumn& column : columns) {
                int h = 0;
                for (int r = 0; r < RowCount; ++r) h += (column.marks[r] >> outcome[r]) & 1;
                hits = std::max(hits, h);
            }
            ++best[hits];
        }
        int r = RowCount - 1;
        while (r >= 0 && ++at[r] == signs[r]) at[r--] = 0;
        if (r < 0) return best;
    }
}

SignSet AnySigns(std::mt19937& random) { return static_cast<SignSet>(1 + random() % 7); }

// Mostly single signs, some doubles and triples, now and then a match with
// none, and signs outside the forecast.
std::vector<BetColumn> RandomBet(std::mt19937& random, int count) {
    std::vector<BetColumn> columns(static_cast<std::size_t>(count));
    for (BetColumn& column : columns) {
        column.column = static_cast<int>(&column - columns.data());
        for (SignSet& signs : column.marks) {
            const unsigned roll = random() % 20;
            signs = roll == 0 ? 0 : roll < 3 ? AnySigns(random) : static_cast<SignSet>(1 << (random() % 3));
        }
    }
    return columns;
}

MatchSigns RandomForecast(std::mt19937& random, int varying) {
    MatchSigns forecast{};
    for (SignSet& signs : forecast) signs = static_cast<SignSet>(1 << (random() % 3));
    for (int k = 0; k < varying; ++k) forecast[random() % RowCount] = AnySigns(random);
    return forecast;
}

ColumnConditions RandomConditions(std::mt19937& random) {
    const auto range = [&](int most) {
        const int a = static_cast<int>(random() % (most + 1));
        const int b = static_cast<int>(random() % (most + 1));
        return CountRange{std::min(a, b), std::max(a, b)};
    };
    ColumnConditions conditions;
    switch (random() % 6) {
        case 0: conditions.unos = range(RowCount); break;
        case 1: conditions.equis = range(6); break;
        case 2: conditions.doses = range(8); break;
        case 3: conditions.variantes = range(RowCount); break;
        case 4: conditions.interrupciones = range(RowCount - 1); break;
        default: conditions.seguidosHasta = 1 + static_cast<int>(random() % 6); break;
    }
    if (random() % 2) conditions.interrupciones.low = static_cast<int>(random() % 6);
    return conditions;
}

void ExpectProfile(const GuaranteeProfile& got, const HitHistogram& expected) {
    std::uint64_t outcomes = 0;
    for (const std::uint64_t count : expected) outcomes += count;
    int lowest = 0;
    while (outcomes > 0 && expected[lowest] == 0) ++lowest;
    EXPECT_EQ(got.best, expected);
    EXPECT_EQ(got.outcomes, outcomes);
    EXPECT_EQ(got.guarantee, lowest);
}

TEST(GuaranteeEngines, BothAgreeWithEveryOutcomeListed) {
    std::mt19937 random(41);
    for (int round = 0; round < 120; ++round) {
        const int count = round < 100 ? 1 + static_cast<int>(random() % 40) : 200 + static_cast<int>(random() % 101);
        const auto columns = RandomBet(random, count);
        const MatchSigns forecast = RandomForecast(random, round < 100 ? 8 : 5);
        const ColumnConditions conditions = round % 2 ? RandomConditions(random) : ColumnConditions{};
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << count << " columns");
        const HitHistogram listed = Listed(columns, forecast, conditions);
        for (const auto engine : {GuaranteeEngine::Counting, GuaranteeEngine::Distance, GuaranteeEngine::Fastest})
            ExpectProfile(Guarantee(columns, forecast, conditions, engine), listed);
    }
}

TEST(GuaranteeEngines, AgreeOnLargeForecasts) {
    std::mt19937 random(7);
    for (int round = 0; round < 6; ++round) {
        const auto columns = RandomBet(random, 1 + static_cast<int>(random() % 300));
        MatchSigns forecast;
        forecast.fill(AllSigns);
        forecast[random() % RowCount] = 2;  // 3^13 outcomes, a fixed match anywhere
        const ColumnConditions conditions = round % 2 ? RandomConditions(random) : ColumnConditions{};
        const GuaranteeProfile counted = Guarantee(columns, forecast, conditions, GuaranteeEngine::Counting);
        ExpectProfile(Guarantee(columns, forecast, conditions, GuaranteeEngine::Distance), counted.best);
    }
}

TEST(GuaranteeEngines, ConditionsNoOutcomeMeets) {
    MatchSigns forecast;
    forecast.fill(1);
    forecast[2] = forecast[5] = AllSigns;
    ColumnConditions conditions;
    conditions.equis = {3, 14};  // at most two matches can end in X
    std::vector<BetColumn> columns(1);
    columns[0].marks.fill(1);
    for (const auto engine : {GuaranteeEngine::Counting, GuaranteeEngine::Distance}) {
        const GuaranteeProfile profile = Guarantee(columns, forecast, conditions, engine);
        EXPECT_EQ(profile.outcomes, 0u);
        EXPECT_EQ(profile.guarantee, 0);
    }
    conditions.equis = {2, 2};  // only X on both varying matches
    const GuaranteeProfile one = Guarantee(columns, forecast, conditions);
    EXPECT_EQ(one.outcomes, 1u);
    EXPECT_EQ(one.best[12], 1u);
    EXPECT_EQ(Guarantee({}, forecast, conditions).best[0], 1u);
}

// The perfect ternary code of length 13 (ten free matches, three checks):
// every outcome of matches 1 to 13 lies within one miss of exactly one column.
std::vector<BetColumn> PerfectCode() {
    // The check matrix's columns: the 13 points of the projective plane over
    // three elements; the first three are the unit vectors, the checks.
    std::vector<std::array<int, 3>> points;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < 3; ++c) {
                const std::array<int, 3> p{a, b, c};
                const auto lead = std::find_if(p.begin(), p.end(), [](int v) { return v != 0; });
                if (lead != p.end() && *lead == 1) points.push_back(p);
            }
    std::stable_partition(points.begin(), points.end(), [](const auto& p) { return p[0] + p[1] + p[2] == 1; });
    std::vector<BetColumn> columns;
    for (int info = 0; info < 59049; ++info) {
        std::array<int, 13> word{};
        std::array<int, 3> syndrome{};
        for (int j = 3, rest = info; j < 13; ++j, rest /= 3) {
            word[j] = rest % 3;
            for (int i = 0; i < 3; ++i) syndrome[i] += word[j] * points[j][i];
        }
        for (int i = 0; i < 3; ++i) word[i] = (3 - syndrome[i] % 3) % 3;  // points[i] is unit vector i
        BetColumn column{static_cast<int>(columns.size()), {}};
        for (int r = 0; r < 13; ++r) column.marks[r] = static_cast<SignSet>(1 << word[r]);
        column.marks[13] = 1;
        columns.push_back(column);
    }
    return columns;
}

TEST(GuaranteeEngines, PerfectCodeOfThirteenTriples) {
    const auto columns = PerfectCode();
    MatchSigns forecast;
    forecast.fill(AllSigns);
    forecast[13] = 1;
    const GuaranteeProfile profile = Guarantee(columns, forecast);
    EXPECT_EQ(profile.outcomes, 1594323u);
    EXPECT_EQ(profile.guarantee, 13);
    EXPECT_EQ(profile.best[14], 59049u);
    EXPECT_EQ(profile.best[13], 1594323u - 59049u);
    // Without its last column, that column's outcome falls to the next
    // column, three misses away, and its 26 neighbours to two misses.
    std::vector<BetColumn> fewer(columns.begin(), columns.end() - 1);
    const GuaranteeProfile less = Guarantee(fewer, forecast);
    EXPECT_EQ(less.guarantee, 11);
    EXPECT_EQ(less.best[14], 59048u);
    EXPECT_EQ(less.best[13], 1594323u - 59049u - 26u);
    EXPECT_EQ(less.best[12], 26u);
    EXPECT_EQ(less.best[11], 1u);
    // With match 14 open too, its other two signs miss once more.
    forecast[13] = AllSigns;
    const GuaranteeProfile open = Guarantee(columns, forecast);
    EXPECT_EQ(open.best[13], 1594323u - 59049u + 2 * 59049u);
    EXPECT_EQ(open.best[12], 2 * (1594323u - 59049u));
}

TEST(GuaranteeEngines, ConditionMaskMatchesTheConditions) {
    std::mt19937 random(3);
    for (int round = 0; round < 30; ++round) {
        const MatchSigns forecast = RandomForecast(random, 9);
        const ColumnConditions conditions = RandomConditions(random);
        const auto mask = ConditionMask(OutcomeSpace(forecast), conditions);
        const std::vector<SimpleColumn> all = Development(forecast);
        ASSERT_EQ(mask.size(), all.size());
        for (std::size_t cell = 0; cell < all.size(); ++cell)
            ASSERT_EQ(mask[cell], MeetsConditions(conditions, all[cell]) ? 1 : 0) << "cell " << cell;
    }
}

}  // namespace
