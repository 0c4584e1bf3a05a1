#include "chance_model.h"

#include <cmath>

ChanceModel UniformChanceModel() {
    ChanceModel model;
    for (SignFigures& match : model.probabilities) match = {1.0 / 3, 1.0 / 3, 1.0 / 3};
    return model;
}

ChanceModel ChanceModelOf(const Jornada& jornada) {
    ChanceModel model;
    model.probabilities = MatchProbabilities(jornada);
    model.results = JornadaResults(jornada);
    model.price = jornada.price;
    model.publicShares = PublicFractions(jornada);
    model.takings = jornada.takings;
    model.jackpot = jornada.jackpot;
    model.shares = jornada.shares;
    return model;
}

bool HasPrizeModel(const ChanceModel& model) { return model.takings && model.publicShares && model.price > 0; }

std::uint64_t PriceCents(const ChanceModel& model) {
    return static_cast<std::uint64_t>(std::llround(model.price * 100));
}

double OtherBets(const ChanceModel& model) { return model.takings ? *model.takings / model.price : 0; }

CategoryFigures PrizeFunds(const ChanceModel& model) {
    CategoryFigures funds{};
    if (!model.takings) return funds;
    for (int k = 0; k < PrizeCategories; ++k) funds[k] = *model.takings * model.shares[k] / 100;
    funds[0] += model.jackpot;
    return funds;
}
