#include "condition_mask.h"

#include <algorithm>
#include <bit>

namespace {

// What the matches so far hold, carried down the walk so that each cell
// costs a few comparisons rather than a pass over its fourteen signs.
struct Prefix {
    std::array<int, SignCount> count{};
    int changes = 0;
    int run = 0;
    int longest = 0;
    int last = -1;
};

struct MaskWalk {
    const OutcomeSpace& space;
    const ColumnConditions& conditions;
    std::uint8_t* out;

    // Ranges only grow with more matches: a prefix already past a maximum
    // leaves its whole block at 0 (the mask starts zeroed).
    bool Hopeless(const Prefix& p) const {
        return p.count[0] > conditions.unos.high || p.count[1] > conditions.equis.high ||
               p.count[2] > conditions.doses.high || p.count[1] + p.count[2] > conditions.variantes.high ||
               p.changes > conditions.interrupciones.high || p.longest > conditions.seguidosHasta;
    }

    bool Meets(const Prefix& p) const {
        return conditions.unos.holds(p.count[0]) && conditions.equis.holds(p.count[1]) &&
               conditions.doses.holds(p.count[2]) && conditions.variantes.holds(p.count[1] + p.count[2]) &&
               conditions.interrupciones.holds(p.changes) && p.longest <= conditions.seguidosHasta;
    }

    void Walk(int row, const Prefix& p, std::size_t cell) {
        if (Hopeless(p)) return;
        if (row == RowCount) {
            out[cell] = Meets(p) ? 1 : 0;
            return;
        }
        for (int k = 0; k < space.signsOn(row); ++k) {
            const int s = std::countr_zero(static_cast<unsigned>(space.signBit(row, k)));
            Prefix next = p;
            ++next.count[s];
            next.changes += p.last >= 0 && s != p.last;
            next.run = s == p.last ? p.run + 1 : 1;
            next.longest = std::max(p.longest, next.run);
            next.last = s;
            Walk(row + 1, next, cell + static_cast<std::size_t>(k) * space.stride(row));
        }
    }
};

}  // namespace

std::vector<std::uint8_t> ConditionMask(const OutcomeSpace& space, const ColumnConditions& conditions) {
    std::vector<std::uint8_t> mask(space.size(), 0);
    if (space.size() == 0) return mask;
    MaskWalk walk{space, conditions, mask.data()};
    walk.Walk(0, Prefix{}, 0);
    return mask;
}
