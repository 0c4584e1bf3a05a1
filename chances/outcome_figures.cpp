#include "outcome_figures.h"

#include "outcome_space.h"
#include "single_bet_table.h"

namespace {

// Visits the forecast's outcomes in grid order, carrying per match a value
// that each sign updates: visit(state) at each outcome.
template <typename State, typename Step, typename Visit>
void WalkOutcomes(const OutcomeSpace& space, int row, const State& state, const Step& step, const Visit& visit) {
    if (row == RowCount) {
        visit(state);
        return;
    }
    for (int k = 0; k < space.signsOn(row); ++k) WalkOutcomes(space, row + 1, step(state, row, space.signBit(row, k)), step, visit);
}

}  // namespace

std::vector<double> SingleBetPrizes(const ChanceModel& model, const MatchSigns& forecast,
                                    const ChanceControl& control) {
    const OutcomeSpace outcomes(forecast);
    if (outcomes.size() == 0) return {};
    const auto table = SingleBetTable::Build(model, control);
    if (!table) return {};
    const ResultGrid& results = table->grid();
    std::array<std::size_t, RowCount> stride{};  // per match; 0 on a played one
    for (int dim = 0; dim < results.dimensions; ++dim) stride[results.match[dim]] = results.stride[dim];

    struct Place {
        std::size_t cell = 0;
        int playedMisses = 0;
    };
    std::vector<double> prizes;
    prizes.reserve(outcomes.size());
    WalkOutcomes(
        outcomes, 0, Place{},
        [&](Place place, int row, SignSet sign) {
            if (model.results[row] != 0)
                place.playedMisses += (sign & model.results[row]) == 0;
            else
                place.cell += static_cast<std::size_t>(SignIndex(sign)) * stride[row];
            return place;
        },
        [&](const Place& place) { prizes.push_back(table->Prize(place.cell, place.playedMisses)); });
    return prizes;
}

OutcomeChances OutcomeChancesOf(const ChanceModel& model, const MatchSigns& forecast) {
    const OutcomeSpace outcomes(forecast);
    OutcomeChances chances;
    chances.probability14.reserve(outcomes.size());
    if (model.publicShares) chances.public14.reserve(outcomes.size());
    if (outcomes.size() == 0) return chances;
    struct Products {
        double chance = 1, publicChance = 1;
    };
    WalkOutcomes(
        outcomes, 0, Products{},
        [&](Products products, int row, SignSet sign) {
            products.chance *= model.results[row] != 0 ? (sign == model.results[row] ? 1 : 0)
                                                       : model.probabilities[row][SignIndex(sign)];
            if (model.publicShares) products.publicChance *= (*model.publicShares)[row][SignIndex(sign)];
            return products;
        },
        [&](const Products& products) {
            chances.probability14.push_back(products.chance);
            if (model.publicShares) chances.public14.push_back(products.publicChance);
        });
    return chances;
}
