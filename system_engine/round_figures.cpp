#include "round_figures.h"

#include "outcome_figures.h"

RoundFigures RoundFiguresOf(const ChanceModel& model) {
    RoundFigures round;
    MatchSignFigures chances = model.probabilities;
    for (int m = 0; m < RowCount; ++m)
        if (model.results[m] != 0)
            for (int s = 0; s < SignCount; ++s) chances[m][s] = model.results[m] == (1 << s) ? 1 : 0;
    round.probabilities = chances;
    round.publicShares = model.publicShares;
    round.price = model.price;
    if (HasPrizeModel(model))
        round.singleBetPrizes = [model](const MatchSigns& forecast, const std::atomic<bool>* cancel) {
            ChanceControl control;
            control.cancel = cancel;
            return SingleBetPrizes(model, forecast, control);
        };
    return round;
}
