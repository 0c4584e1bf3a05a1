#include "jornada_form.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "coupon_geometry.h"
#include "figure_text.h"
#include "odds_conversion.h"

namespace {

constexpr const char* MatchFieldNames[MatchFields] = {"local", "visitante", "1", "X", "2",
                                                      "público 1", "público X", "público 2"};
// As published: per cent and odds to two decimals, money to the cent.
constexpr int FigureDecimals = 2;
constexpr int EuroDecimals = 2;
constexpr int GivenDecimals = 6;  // figures from the file keep what they say

void FillThree(JornadaForm& form, int match, int first, const SignFigures& figures, int decimals) {
    for (int s = 0; s < SignCount; ++s) form.fields[MatchField(match, first + s)] = DecimalText(figures[s], decimals);
}

// The three figures of a match when all three read.
std::optional<SignFigures> ThreeTyped(const JornadaForm& form, int match) {
    SignFigures figures{};
    for (int s = 0; s < SignCount; ++s) {
        const auto value = ParseTypedDecimal(form.fields[MatchField(match, FirstFigureField + s)]);
        if (!value) return std::nullopt;
        figures[s] = *value;
    }
    return figures;
}

}  // namespace

std::string FormFieldName(int field) {
    if (field == TakingsField) return "Recaudación";
    if (field == JackpotField) return "Bote";
    if (field == PriceField) return "Precio";
    return "Partido " + TwoDigits(field / MatchFields + 1) + ", " + MatchFieldNames[field % MatchFields];
}

JornadaForm FormOfJornada(const Jornada& jornada) {
    JornadaForm form;
    bool odds = false, perCent = false;
    for (const JornadaMatch& match : jornada.matches) {
        odds = odds || match.odds.has_value();
        perCent = perCent || match.probabilities.has_value();
    }
    form.entry = odds && !perCent ? FigureEntry::Odds : FigureEntry::PerCent;
    const auto chances = MatchProbabilities(jornada);
    for (int m = 0; m < RowCount; ++m) {
        const JornadaMatch& match = jornada.matches[m];
        form.fields[MatchField(m, HomeField)] = match.home;
        form.fields[MatchField(m, AwayField)] = match.away;
        if (match.probabilities) {
            FillThree(form, m, FirstFigureField, *match.probabilities, GivenDecimals);
        } else if (match.odds && form.entry == FigureEntry::Odds) {
            FillThree(form, m, FirstFigureField, *match.odds, GivenDecimals);
        } else if (match.odds) {
            const SignFigures& p = chances[m];
            FillThree(form, m, FirstFigureField, {100 * p[0], 100 * p[1], 100 * p[2]}, FigureDecimals);
        }
        if (match.publicShares) FillThree(form, m, FirstPublicField, *match.publicShares, GivenDecimals);
    }
    if (jornada.takings) form.fields[TakingsField] = DecimalText(*jornada.takings, EuroDecimals);
    if (jornada.jackpot != 0) form.fields[JackpotField] = DecimalText(jornada.jackpot, EuroDecimals);
    form.fields[PriceField] = DecimalText(jornada.price, EuroDecimals);
    return form;
}

void ChangeFormEntry(JornadaForm& form, FigureEntry entry, OddsMethod method) {
    if (entry == form.entry) return;
    for (int m = 0; m < RowCount; ++m) {
        const auto typed = ThreeTyped(form, m);
        if (!typed) continue;
        const SignFigures& f = *typed;
        if (entry == FigureEntry::Odds) {
            if (f[0] > 0 && f[1] > 0 && f[2] > 0)
                FillThree(form, m, FirstFigureField, {100 / f[0], 100 / f[1], 100 / f[2]}, FigureDecimals);
        } else if (const auto p = ConvertOdds(f, method)) {
            FillThree(form, m, FirstFigureField, {100 * (*p)[0], 100 * (*p)[1], 100 * (*p)[2]}, FigureDecimals);
        }
    }
    form.entry = entry;
}

std::string TrimmedField(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> ParseTypedDecimal(const std::string& text) {
    std::string number = TrimmedField(text);
    std::size_t digits = 0, separators = 0;
    for (std::size_t i = 0; i < number.size(); ++i) {
        char& c = number[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            ++digits;
        } else if (c == ',' || c == '.') {
            c = '.';
            ++separators;
        } else if (!(c == '-' && i == 0)) {
            return std::nullopt;
        }
    }
    if (digits == 0 || separators > 1) return std::nullopt;
    return std::strtod(number.c_str(), nullptr);
}
