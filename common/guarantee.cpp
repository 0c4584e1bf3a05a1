#include "guarantee.h"

#include <algorithm>
#include <bit>

#include "ceil_div.h"
#include "condition_mask.h"
#include "counting_guarantee.h"
#include "distance_guarantee.h"
#include "number_text.h"

namespace {

// A cell of a distance pass and an outcome of one sixteen-column vector of
// the counting engine take about the same time (GuaranteeByEngine in
// bench/scrutiny_bench.cpp): the distance engine wins past about fifteen
// vectors, some 240 columns, or fewer when few matches vary.
bool ByDistance(const std::vector<BetColumn>& columns, const OutcomeSpace& space) {
    std::uint64_t passes = 1;  // the tally
    for (int r = 0; r < RowCount; ++r) passes += space.signsOn(r) > 1;
    const std::uint64_t vectors = CeilDiv(std::uint64_t{columns.size()}, std::uint64_t{16});
    return std::uint64_t{space.size()} * passes + CoveredCells(columns, space) < std::uint64_t{space.size()} * vectors;
}

}  // namespace

MatchSigns DefaultForecast(const std::vector<BetColumn>& columns) {
    MatchSigns forecast{};
    for (const BetColumn& column : columns)
        for (int r = 0; r < RowCount; ++r) forecast[r] |= column.marks[r] & AllSigns;
    for (SignSet& signs : forecast)
        if (signs == 0) signs = AllSigns;
    return forecast;
}

GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast) {
    return Guarantee(columns, forecast, ColumnConditions{});
}

GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const ColumnConditions& conditions) {
    return Guarantee(columns, forecast, conditions, GuaranteeEngine::Fastest);
}

namespace {

// `kept`: nullptr for every outcome of `space`.
GuaranteeProfile MaskedGuarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                                 const OutcomeSpace& space, const std::uint8_t* kept, GuaranteeEngine engine) {
    GuaranteeProfile profile;
    if (space.size() == 0) return profile;
    if (columns.empty()) {
        profile.best[0] = kept == nullptr ? space.size()
                                          : static_cast<std::uint64_t>(std::count(kept, kept + space.size(), 1));
    } else {
        if (engine == GuaranteeEngine::Fastest)
            engine = ByDistance(columns, space) ? GuaranteeEngine::Distance : GuaranteeEngine::Counting;
        profile.best = engine == GuaranteeEngine::Distance ? DistanceBestHits(columns, forecast, kept)
                                                           : CountBestHits(columns, forecast, kept);
    }
    for (const std::uint64_t count : profile.best) profile.outcomes += count;
    if (profile.outcomes == 0) return profile;
    while (profile.best[profile.guarantee] == 0) ++profile.guarantee;
    return profile;
}

}  // namespace

GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const ColumnConditions& conditions, GuaranteeEngine engine) {
    const OutcomeSpace space(forecast);
    std::vector<std::uint8_t> mask;
    if (conditions.restricts()) mask = ConditionMask(space, conditions);
    return MaskedGuarantee(columns, forecast, space, conditions.restricts() ? mask.data() : nullptr, engine);
}

GuaranteeProfile Guarantee(const std::vector<BetColumn>& columns, const MatchSigns& forecast,
                           const std::vector<std::uint8_t>& mask) {
    const OutcomeSpace space(forecast);
    if (mask.size() != space.size()) return {};
    return MaskedGuarantee(columns, forecast, space, mask.data(), GuaranteeEngine::Fastest);
}

std::string GuaranteeText(const GuaranteeProfile& profile) {
    const auto hits = [](int k) { return std::to_string(k) + (k == 1 ? " acierto" : " aciertos"); };
    std::string text = "Garantía: " + hits(profile.guarantee) + "\n" + std::to_string(profile.outcomes) +
                       (profile.outcomes == 1 ? " resultado posible" : " resultados posibles");
    if (profile.outcomes == 0) return text;
    for (int k = RowCount; k >= profile.guarantee; --k) {
        // Hundredths of a percent, rounded, in whole numbers: no locale.
        const std::uint64_t hundredths = (profile.best[k] * 20000 + profile.outcomes) / (2 * profile.outcomes);
        text += "\n" + hits(k) + ": " + std::to_string(profile.best[k]) + " (" + HundredthsText(hundredths) + " %)";
    }
    return text;
}
