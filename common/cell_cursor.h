#pragma once

#include "coupon_model.h"

// The keyboard's place on the coupon: one cell of the first `columns`
// columns, the ones a click can mark. Left and Right step through the signs
// and on into the neighbouring column; Up and Down change the match. A move
// past an edge does nothing. It starts on column "01", match 1, sign "1".
class CellCursor {
public:
    explicit CellCursor(int columns) : columns_(columns) {}

    CellIndex cell() const { return cell_; }
    // The cell's place when the cells are listed match by match, each match
    // running through the columns and their signs from the left.
    int listIndex() const;

    // Each returns false when it stopped at an edge.
    bool left();
    bool right();
    bool up();
    bool down();

private:
    int columns_;
    CellIndex cell_{};
};
