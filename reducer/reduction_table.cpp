#include "reduction_table.h"

namespace {

// Rows are matches 1 to 14, columns the eight bets.
constexpr std::int32_t System[RowCount][ReducedColumns] = {
    {1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 2, 2, 3, 3, 1, 1}, {1, 2, 2, 1, 1, 2, 1, 2},
    {1, 2, 2, 1, 1, 2, 1, 2}, {1, 2, 2, 1, 1, 2, 1, 2}, {1, 2, 2, 1, 2, 1, 2, 1},
    {1, 2, 1, 2, 1, 2, 2, 1}, {1, 1, 2, 2, 3, 3, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 2, 2, 3, 3, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1}, {1, 2, 1, 2, 1, 2, 2, 1},
    {1, 2, 1, 2, 1, 2, 2, 1}, {1, 1, 1, 1, 1, 1, 1, 1},
};

constexpr int FirstColumn = 0;
constexpr int SecondColumn = 1;

bool RowVaries(const CouponTable<std::int32_t>& marks, int row) {
    for (int s = 0; s < SignCount; ++s)
        if (marks.at(SecondColumn, s, row) != 0) return true;
    return false;
}

}  // namespace

void FillReductionTable(ReductionTable& table) {
    table = ReductionTable{};
    for (int c = 0; c < ReducedColumns; ++c)
        for (int r = 0; r < RowCount; ++r) table.entry[c][r] = System[r][c];
}

std::int16_t ThirdSign(const SignChoice& choice, int row) {
    std::array<bool, 4> taken{};
    taken[choice.sign[row][1]] = true;
    taken[choice.sign[row][2]] = true;
    std::int16_t third = 0;
    for (std::int16_t s = 0; s < SignCount; ++s)
        if (!taken[s]) third = s;
    return third;
}

SignChoice ChooseSigns(const CouponTable<std::int32_t>& marks) {
    SignChoice choice;
    for (int r = 0; r < RowCount; ++r) {
        for (int s = 0; s < SignCount; ++s) {
            if (marks.at(FirstColumn, s, r) != 0) choice.sign[r][1] = s;
            if (marks.at(SecondColumn, s, r) != 0) choice.sign[r][2] = s;
        }
        choice.sign[r][3] = ThirdSign(choice, r);
    }
    return choice;
}

ReducedSystem ResolveReducedSystem(const CouponTable<std::int32_t>& marks,
                                   const ReductionTable& table) {
    const SignChoice choice = ChooseSigns(marks);
    ReducedSystem system{};
    for (int c = 0; c < ReducedColumns; ++c)
        for (int r = 0; r < RowCount; ++r)
            system[c][r] = RowVaries(marks, r) ? choice.sign[r][table.entry[c][r]] : choice.sign[r][1];
    return system;
}
