#include "cell_cursor.h"

int CellCursor::listIndex() const {
    return (cell_.row * columns_ + cell_.column) * SignCount + cell_.sign;
}

bool CellCursor::left() {
    if (cell_.sign > 0) {
        --cell_.sign;
    } else if (cell_.column > 0) {
        --cell_.column;
        cell_.sign = SignCount - 1;
    } else {
        return false;
    }
    return true;
}

bool CellCursor::right() {
    if (cell_.sign < SignCount - 1) {
        ++cell_.sign;
    } else if (cell_.column < columns_ - 1) {
        ++cell_.column;
        cell_.sign = 0;
    } else {
        return false;
    }
    return true;
}

bool CellCursor::up() {
    if (cell_.row == 0) return false;
    --cell_.row;
    return true;
}

bool CellCursor::down() {
    if (cell_.row == RowCount - 1) return false;
    ++cell_.row;
    return true;
}
