#include "jornada_summary.h"

#include "figure_text.h"
#include "odds_conversion.h"

namespace {

constexpr const char* SignNames[SignCount] = {"1", "X", "2"};

// "1: 35,93 %, X: 42,32 %, 2: 21,74 %" for fractions summing to 1.
std::string SignShares(const SignFigures& fractions) {
    std::string text;
    for (int i = 0; i < SignCount; ++i)
        text += std::string(i > 0 ? ", " : "") + SignNames[i] + ": " + PerCentText(fractions[i]);
    return text;
}

SignFigures Scaled(const SignFigures& figures) {
    const double sum = figures[0] + figures[1] + figures[2];
    return {figures[0] / sum, figures[1] / sum, figures[2] / sum};
}

std::string Teams(const JornadaMatch& match) {
    if (match.home.empty() && match.away.empty()) return "";
    return (match.home.empty() ? "?" : match.home) + " - " + (match.away.empty() ? "?" : match.away) + "; ";
}

std::string MatchLine(int m, const JornadaMatch& match, const SignFigures& chances) {
    const int number = m + 1;
    std::string line = std::string("Partido ") + (number < 10 ? "0" : "") + std::to_string(number) + ": " +
                       Teams(match) + SignShares(chances);
    if (match.odds) {
        const SignFigures& o = *match.odds;
        line += " (cuotas " + DecimalText(o[0], 4) + " / " + DecimalText(o[1], 4) + " / " + DecimalText(o[2], 4) + ")";
    } else if (!match.probabilities) {
        line += " (sin datos)";
    }
    if (match.publicShares) line += "; público " + SignShares(Scaled(*match.publicShares));
    line += match.result == 0 ? "; por jugar" : "; resultado: " + SignsText(match.result);
    return line + "\n";
}

// "14: 16 %, 13: 7,5 %, ..." or the euros of each category.
std::string CategoryList(const CategoryFigures& figures, bool euros) {
    std::string text;
    for (int k = 0; k < PrizeCategories; ++k)
        text += (k > 0 ? ", " : "") + std::to_string(FirstCategoryHits - k) + ": " +
                (euros ? EurosText(figures[k]) : DecimalText(figures[k], 4) + " %");
    return text;
}

}  // namespace

std::string JornadaSummary(const Jornada& jornada) {
    std::string text = "Jornada";
    if (jornada.round) text += " " + std::to_string(*jornada.round);
    if (!jornada.date.empty()) text += " (" + jornada.date + ")";
    text += "\n";
    const auto chances = MatchProbabilities(jornada);
    for (int m = 0; m < RowCount; ++m) text += MatchLine(m, jornada.matches[m], chances[m]);
    text += "Precio: " + EurosText(jornada.price) + " la apuesta\n";
    text += "Recaudación: " + (jornada.takings ? EurosText(*jornada.takings) : std::string("sin dar")) +
            "; bote: " + EurosText(jornada.jackpot) + "\n";
    text += "Reparto de la recaudación: " + CategoryList(jornada.shares, false) + "\n";
    text += "Premios: " + (jornada.prizes ? CategoryList(*jornada.prizes, true) : std::string("sin publicar")) + "\n";
    text += std::string("Método de las cuotas: ") + OddsMethodName(jornada.method) + "\n";
    return text;
}
