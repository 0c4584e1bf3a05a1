#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "column_conditions.h"
#include "guarantee.h"
#include "scrutiny.h"
#include "value_conditions.h"

// What a reduced system is asked and what it gives back; the stages of the
// engine share these, BuildSystem (system_builder.h) runs them.

inline constexpr std::uint64_t MaxSystemColumns = 100000;

struct SystemRequest {
    MatchSigns forecast{};        // per match a SignSet: fixed, double or triple
    ColumnConditions conditions;  // the outcomes S are the forecast's columns that meet them
    int guarantee = 14;           // 10..14 hits; 14 is S itself
    bool anywhere = false;        // columns anywhere in the forecast instead of only inside S
    std::uint64_t seed = 1;
    double seconds = 0;           // > 0: search for this long instead of a fixed effort
    std::uint64_t effort = 0;     // outcomes the search may visit; 0: the default
    // > 0: at most this many columns, those that give the best coverage of
    // S at `guarantee` hits, outcomes weighed by the round's chances; the
    // guarantee system itself when it is no larger.
    std::uint64_t budgetBets = 0;
    RoundFigures round;      // chances, the public and prizes; empty: every outcome alike
    ValueConditions value;   // leave outcomes out of S by chance and value
};

enum class SystemFailure {
    None,
    MatchWithoutSign,
    BadConditions,
    BadGuarantee,
    NoOutcome,
    TooLarge,
    Cancelled,
    Unverified,
    NoProbabilities,  // a condition of value needs the round's chances
    NoPublicShares,   // --min-contra needs every match's public shares
    NoPrizeModel,     // --min-value needs the takings and the public's shares
};

struct SystemResult {
    SystemFailure failure = SystemFailure::None;
    int match = 0;                     // MatchWithoutSign: the 0-based match
    std::vector<SimpleColumn> columns;  // in the order 1, X, 2, the last match fastest
    std::uint64_t outcomes = 0;         // |S|
    std::uint64_t full = 0;             // the forecast's development without conditions
    std::uint64_t lowerBound = 0;       // no system over S can be smaller
    std::uint64_t refusedSize = 0;      // TooLarge: the size it would have
    GuaranteeProfile profile;           // counted by the guarantee engine, not by the search
    // The chance, given the result lies in S, that some column hits
    // `guarantee` (by the round's chances, or every outcome alike): 1 for a
    // guarantee system. Counted from the columns by the guarantee engine.
    double coverage = 0;
    std::uint64_t budgetBets = 0;       // as asked; 0 for a guarantee
};

struct SystemProgress {
    const std::atomic<bool>* cancel = nullptr;  // polled often enough to stop within 0.1 s
    // From the calling thread, at most four times a second.
    std::function<void(double fraction, std::size_t bestSize)> report;
};

// The columns as a bet, column numbers from 0, for the guarantee engine and
// the bet file.
std::vector<BetColumn> SystemBet(const std::vector<SimpleColumn>& columns);
