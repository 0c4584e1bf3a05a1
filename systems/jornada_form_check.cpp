#include "jornada_form_check.h"

#include <array>

#include "figure_text.h"
#include "jornada_document.h"
#include "odds_conversion.h"

namespace {

using Json = JornadaDocument;

// As the jornada's reader takes them: rounded per cent may miss 100 by one.
constexpr double LowestPerCentSum = 99;
constexpr double HighestPerCentSum = 101;
constexpr double MaxEuros = 1e12;

struct MatchEntries {
    std::string home, away;
    std::optional<SignFigures> figures;
    std::optional<SignFigures> publicShares;
};

struct FormEntries {
    std::array<MatchEntries, RowCount> matches;
    std::optional<double> takings, jackpot, price;
};

class Reader {
public:
    Reader(const JornadaForm& form, std::optional<FormProblem>& problem) : form_(form), problem_(problem) {}

    bool Fail(int field, const std::string& what) {
        problem_ = FormProblem{field, FormFieldName(field) + ": " + what};
        return false;
    }

    // A blank field gives nothing and is no fault.
    bool Number(int field, std::optional<double>& out) {
        const std::string& text = form_.fields[field];
        out.reset();
        if (text.find_first_not_of(" \t") == std::string::npos) return true;
        out = ParseTypedDecimal(text);
        return out || Fail(field, "\"" + text + "\" no es un número");
    }

    // Three figures or none.
    bool Three(int first, bool perCent, OddsMethod method, std::optional<SignFigures>& out) {
        std::array<std::optional<double>, SignCount> typed;
        int given = 0;
        for (int s = 0; s < SignCount; ++s) {
            if (!Number(first + s, typed[s])) return false;
            given += typed[s].has_value();
        }
        out.reset();
        if (given == 0) return true;
        for (int s = 0; s < SignCount; ++s)
            if (!typed[s]) return Fail(first + s, "falta; se dan las tres cifras de 1, X y 2 o ninguna");
        const SignFigures figures{*typed[0], *typed[1], *typed[2]};
        for (int s = 0; s < SignCount; ++s) {
            if (perCent && figures[s] < 0) return Fail(first + s, "no puede ser negativo");
            if (!perCent && figures[s] <= 1) return Fail(first + s, "la cuota debe ser mayor que 1");
        }
        const double sum = figures[0] + figures[1] + figures[2];
        if (perCent && (sum < LowestPerCentSum || sum > HighestPerCentSum))
            return Fail(first, "1, X y 2 suman " + DecimalText(sum, 4) + " y deben sumar de " +
                                   DecimalText(LowestPerCentSum, 0) + " a " + DecimalText(HighestPerCentSum, 0));
        if (!perCent && !ConvertOdds(figures, method))
            return Fail(first, std::string("con el método ") + OddsMethodName(method) +
                                   " estas cuotas dan una probabilidad negativa");
        out = figures;
        return true;
    }

    bool Euros(int field, bool positive, std::optional<double>& out) {
        if (!Number(field, out)) return false;
        if (!out) return true;  // blank: none
        if (positive && *out <= 0) return Fail(field, "debe ser mayor que 0");
        if (*out < 0) return Fail(field, "debe ser 0 o más");
        if (*out > MaxEuros) return Fail(field, "no puede pasar de " + EurosText(MaxEuros));
        return true;
    }

private:
    const JornadaForm& form_;
    std::optional<FormProblem>& problem_;
};

Json Figures(const SignFigures& figures) {
    return Json::array({JsonNumber(figures[0]), JsonNumber(figures[1]), JsonNumber(figures[2])});
}

void SetOrErase(Json& object, const char* key, bool given, const Json& value) {
    if (given)
        object[key] = value;
    else
        object.erase(key);
}

void WriteMatch(const MatchEntries& entries, FigureEntry entry, Json& match) {
    if (!match.is_object()) match = Json::object();
    SetOrErase(match, "home", !entries.home.empty(), entries.home);
    SetOrErase(match, "away", !entries.away.empty(), entries.away);
    // One match holds odds or per cent, never both.
    match.erase("odds");
    match.erase("probabilities");
    if (entries.figures) match[entry == FigureEntry::Odds ? "odds" : "probabilities"] = Figures(*entries.figures);
    SetOrErase(match, "public", entries.publicShares.has_value(),
               entries.publicShares ? Figures(*entries.publicShares) : Json());
    match = MatchKeysInOrder(match);
}

}  // namespace

std::optional<FormProblem> WriteFormInto(const JornadaForm& form, OddsMethod method, JornadaDocument& document) {
    std::optional<FormProblem> problem;
    Reader read(form, problem);
    FormEntries entries;
    const bool odds = form.entry == FigureEntry::Odds;
    for (int m = 0; m < RowCount; ++m) {
        MatchEntries& match = entries.matches[m];
        match.home = TrimmedField(form.fields[MatchField(m, HomeField)]);
        match.away = TrimmedField(form.fields[MatchField(m, AwayField)]);
        if (!read.Three(MatchField(m, FirstFigureField), !odds, method, match.figures) ||
            !read.Three(MatchField(m, FirstPublicField), true, method, match.publicShares))
            return problem;
    }
    if (!read.Euros(TakingsField, false, entries.takings) || !read.Euros(JackpotField, false, entries.jackpot) ||
        !read.Euros(PriceField, true, entries.price))
        return problem;

    Json written = document;
    Json& matches = written["matches"];
    if (!matches.is_array() || matches.size() != RowCount) matches = NewJornadaDocument()["matches"];
    for (int m = 0; m < RowCount; ++m)
        WriteMatch(entries.matches[m], form.entry, matches[static_cast<std::size_t>(m)]);
    const auto money = [&written](const char* key, const std::optional<double>& euros) {
        SetOrErase(written, key, euros.has_value(), euros ? JsonNumber(*euros) : Json());
    };
    money("takings", entries.takings);
    money("jackpot", entries.jackpot);
    money("price", entries.price);
    // What the window does not show may still spoil the whole (a share, a
    // result): the jornada's own check has the last word.
    std::string whole;
    if (!JornadaOf(written, whole)) return FormProblem{-1, whole};
    document = std::move(written);
    return std::nullopt;
}
