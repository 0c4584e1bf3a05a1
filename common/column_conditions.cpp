#include "column_conditions.h"

#include <algorithm>

bool MeetsConditions(const ColumnConditions& conditions, const SimpleColumn& column) {
    std::array<int, SignCount> count{};
    int changes = 0;
    int run = 1;
    int longest = 1;
    for (int r = 0; r < RowCount; ++r) {
        ++count[column[r]];
        if (r == 0) continue;
        if (column[r] != column[r - 1]) {
            ++changes;
            run = 1;
        } else {
            longest = std::max(longest, ++run);
        }
    }
    return conditions.unos.holds(count[0]) && conditions.equis.holds(count[1]) &&
           conditions.doses.holds(count[2]) && conditions.variantes.holds(count[1] + count[2]) &&
           conditions.interrupciones.holds(changes) && longest <= conditions.seguidosHasta;
}
