#pragma once

#include <array>

#include "coupon_app.h"
#include "system_builder.h"

// Everything the systems window keeps for its run, owned by its main module.

// The slip is drawn as keeper8 draws its coupon: one official slip a page.
inline constexpr CouponSettings SlipSettings{.columnCount = 8,
                                             .windowWidth = 725,
                                             .pictureWidth = 410,
                                             .signatureX = 160};
inline constexpr int SystemsWindowHeight = 400;

// Control and command ids beside the shared ones of coupon_app.h.
inline constexpr int ForecastControlId = 104;
inline constexpr int ChartControlId = 105;
inline constexpr int GuaranteeChoiceId = 106;
inline constexpr int CancelButtonId = 107;
inline constexpr int PreviousSlipId = 108;
inline constexpr int NextSlipId = 109;
inline constexpr int ProgressBarId = 110;
inline constexpr int SummaryLabelId = 111;
inline constexpr int FirstConditionFieldId = 120;  // "desde", "hasta" of each, then seguidos
inline constexpr int GenerateSystemId = 1020;
inline constexpr int SaveSlipsId = 1021;

// The ranges of the conditions, in the order of their fields.
inline constexpr int ConditionRanges = 5;  // unos, equis, doses, variantes, interrupciones
inline constexpr int ConditionFields = 2 * ConditionRanges + 1;  // and "Seguidos hasta"

inline constexpr std::uint64_t BetPriceCents = 75;

struct SystemsApp {
    CouponApp slip;              // the window, the slip picture and the system as a bet
    CouponTables forecast;       // one column: the signs of each match
    Handle forecastControl = 0;
    MessageHandler originalForecastProc;
    std::array<Handle, ConditionFields> conditionFields{};
    Handle guaranteeChoice = 0;
    Handle cancelButton = 0;
    Handle progressBar = 0;
    Handle summary = 0;
    bool searching = false;
    bool cancelRequested = false;
    bool hasSystem = false;
    SystemResult result;
};
