#include "system_output.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <nlohmann/json.hpp>

#include "bet_text.h"
#include "chance_text.h"
#include "number_text.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Count(std::uint64_t n, const char* one, const char* many) {
    return GroupedNumber(n) + " " + (n == 1 ? one : many);
}

// "61,27 %": a coverage short of 1 never shows as 100,00 %.
std::string CoverageText(double coverage) {
    constexpr std::uint64_t Whole = 10000;
    auto hundredths = static_cast<std::uint64_t>(std::llround(coverage * Whole));
    if (coverage < 1 && hundredths >= Whole) hundredths = Whole - 1;
    return HundredthsText(hundredths) + " %";
}

Json CategoryJson(const CategoryFigures& figures) {
    Json object = Json::object();
    for (int k = 0; k < PrizeCategories; ++k) object[std::to_string(FirstCategoryHits - k)] = figures[k];
    return object;
}

}  // namespace

void PrintText(const Printed& p) {
    const SystemResult& result = p.result;
    const std::uint64_t bets = result.columns.size();
    std::cout << "# Sistema: " << Count(bets, "apuesta", "apuestas") << ", garantía "
              << std::min(p.options.guarantee, result.profile.guarantee) << " aciertos\n"
              << "# Desarrollo: " << Count(result.full, "apuesta", "apuestas")
              << "; cota inferior: " << GroupedNumber(result.lowerBound) << "\n"
              << "# Importe: " << EuroText(bets * p.priceCents) << " a " << EuroText(p.priceCents) << " la apuesta\n";
    if (result.budgetBets > 0)
        std::cout << "# Cobertura: " << CoverageText(result.coverage) << " de los resultados del pronóstico con "
                  << p.options.guarantee << " aciertos o más\n";
    if (p.jornada && p.chances) {
        std::cout << "# Probabilidad: " << ProbabilityText(*p.chances) << "\n";
        if (p.chances->expectedPrize) std::cout << "# Valor esperado: " << ValueText(*p.chances) << "\n";
    }
    const std::string profile = GuaranteeText(result.profile);
    for (std::size_t at = 0; at < profile.size();) {
        const auto end = profile.find('\n', at);
        std::cout << "# " << profile.substr(at, end - at) << "\n";
        at = end == std::string::npos ? profile.size() : end + 1;
    }
    std::cout << BetText(SystemBet(result.columns));
}

void PrintJson(const Printed& p) {
    const SystemResult& result = p.result;
    Json columns = Json::array();
    for (const SimpleColumn& column : result.columns) {
        Json signs = Json::array();
        for (const std::uint8_t sign : column) signs.push_back(std::string(1, "1X2"[sign]));
        columns.push_back(signs);
    }
    Json best = Json::object();
    for (int k = RowCount; k >= 0; --k) best[std::to_string(k)] = result.profile.best[k];
    Json json = {{"bets", result.columns.size()},
                 {"guarantee", result.profile.guarantee},
                 {"outcomes", result.outcomes},
                 {"full", result.full},
                 {"lower_bound", result.lowerBound},
                 {"cost_cents", result.columns.size() * p.priceCents},
                 {"seed", p.options.seed},
                 {"columns", columns},
                 {"profile", {{"guarantee", result.profile.guarantee}, {"best", best}}},
                 {"coverage", result.coverage},
                 {"budget_bets", result.budgetBets > 0 ? Json(result.budgetBets) : Json(nullptr)}};
    if (p.chances) {
        json["probability"] = CategoryJson(p.chances->probability);
        if (p.chances->expectedPrize) {
            json["expected_prize"] = CategoryJson(*p.chances->expectedPrize);
            json["expected_prize"]["total"] = p.chances->expectedTotal;
            json["value"] = p.chances->value ? Json(*p.chances->value) : Json(nullptr);
        }
    }
    std::cout << json.dump() << "\n";
}

