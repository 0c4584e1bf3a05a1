#include "jornada_json.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "figure_text.h"
#include "odds_conversion.h"

namespace {

using Json = JornadaDocument;

// Published per-cent figures are rounded, so their sum may miss 100 by one.
constexpr double LowestPerCentSum = 99;
constexpr double HighestPerCentSum = 101;
// Far above any real fund, and low enough that every amount stays exact in
// cents.
constexpr double MaxEuros = 1e12;
constexpr double MaxShare = 100;

// Each check returns false after writing the one line that says why.
class Checker {
public:
    explicit Checker(std::string& problem) : problem_(problem) {}

    bool Fail(const std::string& where, const std::string& what) {
        problem_ = where + ": " + what;
        return false;
    }

    bool Number(const Json& value, const std::string& where, double& out) {
        if (!value.is_number()) return Fail(where, "debe ser un número");
        out = value.get<double>();
        if (!std::isfinite(out)) return Fail(where, "debe ser un número finito");
        return true;
    }

    // Euros from 0 (or above 0 when `positive`) up to MaxEuros.
    bool Euros(const Json& value, const std::string& where, bool positive, double& out) {
        if (!Number(value, where, out)) return false;
        if (positive && out <= 0) return Fail(where, "debe ser mayor que 0");
        if (out < 0) return Fail(where, "debe ser 0 o más");
        if (out > MaxEuros) return Fail(where, "no puede pasar de " + EurosText(MaxEuros));
        return true;
    }

    bool Text(const Json& value, const std::string& where, std::string& out) {
        if (!value.is_string()) return Fail(where, "debe ser un texto");
        try {
            (void)value.dump();  // refuses bytes that are not UTF-8
        } catch (const Json::exception&) {
            return Fail(where, "no es texto UTF-8 válido");
        }
        out = value.get<std::string>();
        return true;
    }

    bool Three(const Json& value, const std::string& where, SignFigures& out) {
        if (!value.is_array() || value.size() != SignCount)
            return Fail(where, "deben ser tres números, de 1, X y 2");
        for (int i = 0; i < SignCount; ++i)
            if (!Number(value[static_cast<std::size_t>(i)], where, out[i])) return false;
        return true;
    }

    bool PerCent(const Json& value, const std::string& where, SignFigures& out) {
        if (!Three(value, where, out)) return false;
        if (std::any_of(out.begin(), out.end(), [](double p) { return p < 0; }))
            return Fail(where, "ninguna cifra puede ser negativa");
        const double sum = out[0] + out[1] + out[2];
        if (sum < LowestPerCentSum || sum > HighestPerCentSum)
            return Fail(where, "suman " + DecimalText(sum, 4) + " y deben sumar de " +
                                   DecimalText(LowestPerCentSum, 0) + " a " + DecimalText(HighestPerCentSum, 0));
        return true;
    }

    // A category's figure by its hits, "14" down to "10"; other keys are
    // kept and ignored, as the Especial's share may well be there.
    bool Categories(const Json& value, const std::string& where, bool euros, CategoryFigures& out) {
        if (!value.is_object()) return Fail(where, "debe ser un objeto {\"14\": ..., \"10\": ...}");
        for (int k = 0; k < PrizeCategories; ++k) {
            const std::string key = std::to_string(FirstCategoryHits - k);
            const auto found = value.find(key);
            if (found == value.end() || found->is_null()) continue;
            const std::string at = where + ": " + key;
            if (euros) {
                if (!Euros(*found, at, false, out[k])) return false;
            } else {
                if (!Number(*found, at, out[k])) return false;
                if (out[k] < 0) return Fail(at, "debe ser 0 o más");
                if (out[k] > MaxShare) return Fail(at, "no puede pasar de " + DecimalText(MaxShare, 0));
            }
        }
        return true;
    }

private:
    std::string& problem_;
};

// The value of `key` when present and not null.
const Json* Field(const Json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() || found->is_null() ? nullptr : &*found;
}

std::optional<SignSet> ResultSign(const std::string& text) {
    if (text == "1") return SignSet{1};
    if (text == "X" || text == "x") return SignSet{2};
    if (text == "2") return SignSet{4};
    if (text == "-") return SignSet{0};
    return std::nullopt;
}

bool ReadMatch(const Json& value, int number, OddsMethod method, Checker& check, JornadaMatch& match) {
    const std::string where = "partido " + std::to_string(number);
    if (!value.is_object()) return check.Fail(where, "debe ser un objeto JSON {...}");
    if (const Json* home = Field(value, "home"); home && !check.Text(*home, where + ": local", match.home))
        return false;
    if (const Json* away = Field(value, "away"); away && !check.Text(*away, where + ": visitante", match.away))
        return false;
    const Json* odds = Field(value, "odds");
    const Json* probabilities = Field(value, "probabilities");
    if (odds && probabilities) return check.Fail(where, "cuotas y probabilidades: da solo unas u otras");
    SignFigures figures{};
    if (odds) {
        const std::string at = where + ": cuotas";
        if (!check.Three(*odds, at, figures)) return false;
        if (std::any_of(figures.begin(), figures.end(), [](double o) { return o <= 1; }))
            return check.Fail(at, "cada cuota debe ser mayor que 1");
        if (!ConvertOdds(figures, method))
            return check.Fail(at, std::string("el método ") + OddsMethodName(method) + " da una probabilidad negativa");
        match.odds = figures;
    }
    if (probabilities) {
        if (!check.PerCent(*probabilities, where + ": probabilidades", figures)) return false;
        match.probabilities = figures;
    }
    if (const Json* shares = Field(value, "public")) {
        if (!check.PerCent(*shares, where + ": público", figures)) return false;
        match.publicShares = figures;
    }
    if (const Json* result = Field(value, "result")) {
        std::string text;
        if (!check.Text(*result, where + ": resultado", text)) return false;
        const auto sign = ResultSign(text);
        if (!sign) return check.Fail(where + ": resultado", "\"" + text + "\" no es 1, X, 2 ni -");
        match.result = *sign;
    }
    return true;
}

}  // namespace

std::optional<JornadaDocument> ParseJornadaDocument(std::string_view text, std::string& problem) {
    if (text.size() > MaxJornadaBytes) {
        problem = "la jornada pasa de 1 MiB";
        return std::nullopt;
    }
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::parse_error& error) {
        // Where the parser stopped, as an editor counts lines and columns.
        const std::size_t end = std::min<std::size_t>(error.byte > 0 ? error.byte - 1 : 0, text.size());
        const std::string_view before = text.substr(0, end);
        const auto line = 1 + std::count(before.begin(), before.end(), '\n');
        const auto newline = before.rfind('\n');
        const auto column = end - (newline == std::string_view::npos ? 0 : newline + 1) + 1;
        problem = "no es JSON (línea " + std::to_string(line) + ", columna " + std::to_string(column) + ")";
        return std::nullopt;
    } catch (const Json::exception&) {
        problem = "no es JSON que se pueda leer (un número fuera de rango)";
        return std::nullopt;
    }
    if (!document.is_object()) {
        problem = "la jornada debe ser un objeto JSON {...}";
        return std::nullopt;
    }
    return document;
}

std::optional<Jornada> JornadaOf(const JornadaDocument& document, std::string& problem) {
    Checker check(problem);
    Jornada jornada;
    if (const Json* round = Field(document, "round")) {
        if (!round->is_number_integer() || round->get<long long>() < 1 || round->get<long long>() > INT_MAX) {
            check.Fail("jornada", "debe ser un número entero de 1 en adelante");
            return std::nullopt;
        }
        jornada.round = round->get<int>();
    }
    if (const Json* date = Field(document, "date"); date && !check.Text(*date, "fecha", jornada.date))
        return std::nullopt;
    if (const Json* price = Field(document, "price"); price && !check.Euros(*price, "precio", true, jornada.price))
        return std::nullopt;
    if (const Json* takings = Field(document, "takings")) {
        double euros = 0;
        if (!check.Euros(*takings, "recaudación", false, euros)) return std::nullopt;
        jornada.takings = euros;
    }
    if (const Json* jackpot = Field(document, "jackpot");
        jackpot && !check.Euros(*jackpot, "bote", false, jornada.jackpot))
        return std::nullopt;
    if (const Json* shares = Field(document, "shares");
        shares && !check.Categories(*shares, "reparto", false, jornada.shares))
        return std::nullopt;
    if (const Json* prizes = Field(document, "prizes")) {
        CategoryFigures euros{};
        if (!check.Categories(*prizes, "premios", true, euros)) return std::nullopt;
        jornada.prizes = euros;
    }
    if (const Json* method = Field(document, "method")) {
        std::string name;
        if (!check.Text(*method, "método", name)) return std::nullopt;
        const auto known = OddsMethodNamed(name);
        if (!known) {
            check.Fail("método", "\"" + name + "\" no es multiplicative, additive, power, shin ni odds-ratio");
            return std::nullopt;
        }
        jornada.method = *known;
    }
    if (const Json* matches = Field(document, "matches")) {
        if (!matches->is_array()) {
            check.Fail("partidos", "debe ser una lista de " + std::to_string(RowCount) + " partidos");
            return std::nullopt;
        }
        if (matches->size() != RowCount) {
            check.Fail("partidos", "hay " + std::to_string(matches->size()) + " y deben ser " +
                                       std::to_string(RowCount));
            return std::nullopt;
        }
        for (int m = 0; m < RowCount; ++m)
            if (!ReadMatch((*matches)[static_cast<std::size_t>(m)], m + 1, jornada.method, check, jornada.matches[m]))
                return std::nullopt;
    }
    problem.clear();
    return jornada;
}

std::optional<Jornada> ParseJornada(std::string_view text, std::string& problem) {
    const auto document = ParseJornadaDocument(text, problem);
    if (!document) return std::nullopt;
    return JornadaOf(*document, problem);
}
