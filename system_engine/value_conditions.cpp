#include "value_conditions.h"

#include <bit>

namespace {

// A figure typed as a threshold equals the product it was read from only to
// rounding: an outcome this close to the threshold reaches it.
constexpr double Rounding = 1e-12;

bool Reaches(double figure, double threshold) { return figure >= threshold * (1 - Rounding); }

void Multiply(const OutcomeSpace& space, const MatchSignFigures& figures, int row, double product, std::size_t cell,
              double* out) {
    if (row == RowCount) {
        out[cell] = product;
        return;
    }
    for (int k = 0; k < space.signsOn(row); ++k) {
        const int sign = std::countr_zero(static_cast<unsigned>(space.signBit(row, k)));
        Multiply(space, figures, row + 1, product * figures[row][sign], cell + static_cast<std::size_t>(k) * space.stride(row),
                 out);
    }
}

}  // namespace

std::vector<double> OutcomeProducts(const OutcomeSpace& space, const MatchSignFigures& figures) {
    std::vector<double> products(space.size(), 0);
    if (space.size() > 0) Multiply(space, figures, 0, 1, 0, products.data());
    return products;
}

ValueShortfall ApplyValueConditions(const OutcomeSpace& space, const MatchSigns& forecast, const RoundFigures& round,
                                    const ValueConditions& conditions, const std::atomic<bool>* cancel,
                                    std::vector<std::uint8_t>& inS) {
    if ((conditions.minProbability || conditions.minContra) && !round.probabilities)
        return ValueShortfall::Probabilities;
    if (conditions.minContra && !round.publicShares) return ValueShortfall::PublicShares;
    if (conditions.minValue && !round.singleBetPrizes) return ValueShortfall::PrizeModel;

    // Every figure first, so that a missing one leaves S untouched.
    std::vector<double> chance, publicChance, prize;
    if (round.probabilities && (conditions.minProbability || conditions.minContra))
        chance = OutcomeProducts(space, *round.probabilities);
    if (conditions.minContra) publicChance = OutcomeProducts(space, *round.publicShares);
    if (conditions.minValue) {
        prize = round.singleBetPrizes(forecast, cancel);
        if (cancel && cancel->load()) return ValueShortfall::Cancelled;
        if (prize.size() != space.size()) return ValueShortfall::PrizeModel;
    }
    for (std::uint32_t o = 0; o < space.size(); ++o) {
        if (!inS[o]) continue;
        const bool kept = (!conditions.minProbability || Reaches(chance[o], *conditions.minProbability)) &&
                          (!conditions.minContra || Reaches(chance[o], *conditions.minContra * publicChance[o])) &&
                          (!conditions.minValue || Reaches(prize[o], *conditions.minValue * round.price));
        if (!kept) inS[o] = 0;
    }
    return ValueShortfall::None;
}
