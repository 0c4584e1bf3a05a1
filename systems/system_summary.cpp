#include "system_summary.h"

#include "ceil_div.h"
#include "number_text.h"

int SlipCount(std::size_t columns) {
    return static_cast<int>(CeilDiv(columns, std::size_t{ColumnsPerSlip}));
}

std::string SummaryText(const SystemResult& result, std::uint64_t priceCents) {
    const std::size_t bets = result.columns.size();
    const int slips = SlipCount(bets);
    return GroupedNumber(bets) + (bets == 1 ? " apuesta" : " apuestas") + " · " +
           EuroText(bets * priceCents) + " · garantía " +
           std::to_string(result.profile.guarantee) + " aciertos · cota inferior " +
           GroupedNumber(result.lowerBound) + " · " + std::to_string(slips) +
           (slips == 1 ? " boleto" : " boletos");
}

int GuaranteeOfChoice(int entry) { return 14 - entry; }
