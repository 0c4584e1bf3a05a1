#pragma once

#include <string>
#include <vector>

#include "bet_file.h"
#include "scrutiny.h"

// The whole stored bet in memory, whatever its size: per column, the signs
// marked on each match. Fourteen bytes a column, so a bet of a hundred
// thousand columns takes 1.4 MB; the cells and pixels are the windows' own.

// Columns 0..99,999, shown as 1 to 100,000.
inline constexpr int MaxBetColumns = 100000;

// Index: the 0-based column. Ends at the last column with a mark; columns
// before it may be empty.
using BetMarks = std::vector<MatchSigns>;

// Replaces `marks` with the stored bet. Records with a column outside
// 0..99,999, a sign outside 0..2 or a row outside 0..13 are skipped, and so
// is a torn last record. Returns the error number of a failed open or read
// (`marks` then holds what was read before it), 0 when the whole file was read.
// A missing file is created empty: check first to leave none.
int LoadBetMarks(const std::string& betFile, BetMarks& marks);

// The records in the order a bet is saved: column, then sign, then row.
std::vector<BetRecord> BetRecordsOf(const BetMarks& marks);

// The columns with at least one mark, in order.
std::vector<BetColumn> MarkedColumns(const BetMarks& marks);
BetMarks BetMarksOf(const std::vector<BetColumn>& columns);
