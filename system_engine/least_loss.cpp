#include "least_loss.h"

void LeastLoss::reset(std::uint32_t slots) {
    loss_.assign(slots, 0);
    out_.assign(slots, 0);
    leaves_ = 1;
    while (leaves_ < slots) leaves_ *= 2;
    tree_.assign(2 * static_cast<std::size_t>(leaves_), None);
    for (std::uint32_t s = 0; s < slots; ++s) tree_[leaves_ + s] = s;
    for (std::uint32_t node = leaves_ - 1; node >= 1; --node) tree_[node] = better(tree_[2 * node], tree_[2 * node + 1]);
}

std::uint32_t LeastLoss::better(std::uint32_t a, std::uint32_t b) const {
    const double ka = key(a), kb = key(b);
    if (ka != kb) return ka < kb ? a : b;
    if (ka == Excluded) return a == None || (b != None && b < a) ? b : a;
    return a < b ? a : b;
}

void LeastLoss::refresh(std::uint32_t slot) {
    for (std::uint32_t node = (leaves_ + slot) / 2; node >= 1; node /= 2) {
        const std::uint32_t best = better(tree_[2 * node], tree_[2 * node + 1]);
        if (tree_[node] == best && node != (leaves_ + slot) / 2 && best != slot) break;
        tree_[node] = best;
    }
}

void LeastLoss::set(std::uint32_t slot, double loss) {
    loss_[slot] = loss;
    if (!out_[slot]) refresh(slot);
}

void LeastLoss::leaveOut(std::uint32_t slot, bool out) {
    out_[slot] = out ? 1 : 0;
    refresh(slot);
}
