#pragma once

#include <cstdint>
#include <limits>
#include <vector>

// The slots of a budget's columns by the weight each alone reaches, kept in
// a tree so that the slot of least loss is found at once and a loss changes
// in a few steps. A slot resting after a move is left out.
class LeastLoss {
public:
    static constexpr std::uint32_t None = ~std::uint32_t{0};

    // `slots` slots, every loss 0, none left out.
    void reset(std::uint32_t slots);
    void set(std::uint32_t slot, double loss);
    double loss(std::uint32_t slot) const { return loss_[slot]; }
    void add(std::uint32_t slot, double delta) { set(slot, loss_[slot] + delta); }
    // A slot left out keeps its loss but is never the least.
    void leaveOut(std::uint32_t slot, bool out);
    bool leftOut(std::uint32_t slot) const { return out_[slot] != 0; }

    // The slot of least loss among those not left out, the lower slot among
    // equals; None when every slot is left out.
    std::uint32_t least() const {
        const std::uint32_t slot = tree_.size() > 1 ? tree_[1] : None;
        return key(slot) == Excluded ? None : slot;
    }

private:
    static constexpr double Excluded = std::numeric_limits<double>::infinity();
    double key(std::uint32_t slot) const { return slot == None || out_[slot] ? Excluded : loss_[slot]; }
    std::uint32_t better(std::uint32_t a, std::uint32_t b) const;
    void refresh(std::uint32_t slot);

    std::vector<double> loss_;
    std::vector<std::uint8_t> out_;
    std::uint32_t leaves_ = 0;          // a power of two
    std::vector<std::uint32_t> tree_;   // [1] the root; leaves from leaves_
};
