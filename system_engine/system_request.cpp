#include "system_request.h"

std::vector<BetColumn> SystemBet(const std::vector<SimpleColumn>& columns) {
    std::vector<BetColumn> bet;
    bet.reserve(columns.size());
    for (const SimpleColumn& column : columns) {
        BetColumn one{static_cast<int>(bet.size()), {}};
        for (int m = 0; m < RowCount; ++m) one.marks[m] = static_cast<SignSet>(1 << column[m]);
        bet.push_back(one);
    }
    return bet;
}
