#pragma once

#include <optional>
#include <vector>

#include "big_buffer.h"
#include "chance_control.h"
#include "chance_model.h"
#include "result_grid.h"

// The expected prize of every simple column played as a single bet, at
// once: each result's expected payment to one winner d misses away,
//   G_d(r) = P(r) F_(14-d) E[1 / (1 + W_(14-d)(r))],
// is carried back to the columns d misses away by the adjoint of the passes
// that count simple bets forwards. A few passes over the grid of results,
// then a look-up per column.

class SingleBetTable {
public:
    // Nothing without the prize model, or when cancelled.
    static std::optional<SingleBetTable> Build(const ChanceModel& model, const ChanceControl& control = {});

    // `column` holds one sign per match.
    double Prize(const MatchSigns& column) const;
    // The same for a column `playedMisses` misses from the played matches'
    // results, with signs on the matches to play at `cell` of the grid.
    double Prize(std::size_t cell, int playedMisses) const {
        return playedMisses < planes_ ? table_.data()[static_cast<std::size_t>(playedMisses) * grid_.cells + cell] : 0;
    }
    const ResultGrid& grid() const { return grid_; }

private:
    ResultGrid grid_;
    MatchSigns results_{};
    int planes_ = 0;  // misses on played matches that can still win: 0..planes_-1
    BigBuffer<double> table_{0};
};
