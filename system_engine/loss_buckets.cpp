#include "loss_buckets.h"

void LossBuckets::reset(std::uint32_t slots, std::uint32_t maxLoss) {
    loss_.assign(slots, 0);
    at_.assign(slots, 0);
    buckets_.assign(static_cast<std::size_t>(maxLoss) + 1, {});
    for (std::uint32_t s = 0; s < slots; ++s) file(s);
}

void LossBuckets::file(std::uint32_t slot) {
    std::vector<std::uint32_t>& bucket = buckets_[loss_[slot]];
    at_[slot] = static_cast<std::uint32_t>(bucket.size());
    bucket.push_back(slot);
}

void LossBuckets::unfile(std::uint32_t slot) {
    std::vector<std::uint32_t>& bucket = buckets_[loss_[slot]];
    const std::uint32_t last = bucket.back();
    bucket[at_[slot]] = last;
    at_[last] = at_[slot];
    bucket.pop_back();
}

void LossBuckets::set(std::uint32_t slot, std::uint32_t loss) {
    unfile(slot);
    loss_[slot] = loss;
    file(slot);
}

void LossBuckets::popLast() {
    unfile(static_cast<std::uint32_t>(loss_.size() - 1));
    loss_.pop_back();
    at_.pop_back();
}
