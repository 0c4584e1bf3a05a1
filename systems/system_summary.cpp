#include "system_summary.h"

#include "ceil_div.h"
#include "chance_text.h"
#include "figure_text.h"
#include "number_text.h"

namespace {

constexpr const char* Separator = " · ";
// The line goes down to 12 hits; the chart shows them all.
constexpr int LowestLineHits = 12;

}  // namespace

int SlipCount(std::size_t columns) {
    return static_cast<int>(CeilDiv(columns, std::size_t{ColumnsPerSlip}));
}

std::string SummaryText(const SystemResult& result, std::uint64_t priceCents) {
    const std::size_t bets = result.columns.size();
    const int slips = SlipCount(bets);
    return GroupedNumber(bets) + (bets == 1 ? " apuesta" : " apuestas") + Separator +
           EuroText(bets * priceCents) + " · garantía " +
           std::to_string(result.profile.guarantee) + " aciertos · cota inferior " +
           GroupedNumber(result.lowerBound) + Separator + std::to_string(slips) +
           (slips == 1 ? " boleto" : " boletos");
}

std::string ChancesLineText(const BetChances& chances, std::optional<double> coverage) {
    std::string text = ProbabilityText(chances, LowestLineHits);
    if (const std::string value = ValueText(chances); !value.empty()) text += Separator + ("Valor esperado " + value);
    if (coverage) text += Separator + ("Cobertura " + PerCentText(*coverage));
    return text;
}

std::string ColumnChanceText(int columnNumber, double chance14, std::optional<double> contra) {
    // Two digits at least, as the slip numbers its columns.
    std::string text = "Columna " + std::string(columnNumber < 10 ? "0" : "") + std::to_string(columnNumber) +
                       ": 14: " + OneInText(chance14);
    if (contra) text += Separator + ("contra: " + RatioText(*contra));
    return text;
}

int GuaranteeOfChoice(int entry) { return 14 - entry; }
