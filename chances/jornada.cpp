#include "jornada.h"

namespace {

SignFigures Scaled(const SignFigures& figures) {
    const double sum = figures[0] + figures[1] + figures[2];
    return {figures[0] / sum, figures[1] / sum, figures[2] / sum};
}

}  // namespace

std::array<SignFigures, RowCount> MatchProbabilities(const Jornada& jornada) {
    std::array<SignFigures, RowCount> chances{};
    for (int m = 0; m < RowCount; ++m) {
        const JornadaMatch& match = jornada.matches[m];
        chances[m] = {1.0 / 3, 1.0 / 3, 1.0 / 3};
        if (match.probabilities) {
            chances[m] = Scaled(*match.probabilities);
        } else if (match.odds) {
            // Checked when the jornada was read; the scaling only mends rounding.
            if (const auto converted = ConvertOdds(*match.odds, jornada.method)) chances[m] = Scaled(*converted);
        }
    }
    return chances;
}

std::optional<std::array<SignFigures, RowCount>> PublicFractions(const Jornada& jornada) {
    std::array<SignFigures, RowCount> shares{};
    for (int m = 0; m < RowCount; ++m) {
        if (!jornada.matches[m].publicShares) return std::nullopt;
        shares[m] = Scaled(*jornada.matches[m].publicShares);
    }
    return shares;
}

MatchSigns JornadaResults(const Jornada& jornada) {
    MatchSigns results{};
    for (int m = 0; m < RowCount; ++m) results[m] = jornada.matches[m].result;
    return results;
}
