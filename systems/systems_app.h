#pragma once

#include <array>
#include <optional>

#include "bet_chances.h"
#include "coupon_app.h"
#include "jornada.h"
#include "system_builder.h"

// Everything the systems window keeps for its run, owned by its main module.

// The slip is drawn as keeper8 draws its coupon: one official slip a page.
inline constexpr CouponSettings SlipSettings{.columnCount = 8,
                                             .windowWidth = 725,
                                             .pictureWidth = 410,
                                             .signatureX = 160};
inline constexpr int SystemsWindowWidth = 885;
inline constexpr int SystemsWindowHeight = 508;  // the menu bar takes its height from it

// Control and command ids beside the shared ones of coupon_app.h.
inline constexpr int ForecastControlId = 104;
inline constexpr int ChartControlId = 105;
inline constexpr int GuaranteeChoiceId = 106;
inline constexpr int CancelButtonId = 107;
inline constexpr int PreviousSlipId = 108;
inline constexpr int NextSlipId = 109;
inline constexpr int ProgressBarId = 110;
inline constexpr int SummaryLabelId = 111;
inline constexpr int ChancesLabelId = 112;
inline constexpr int ChancesChartId = 113;
inline constexpr int ObjectiveChoiceId = 114;
inline constexpr int BudgetFieldId = 115;
inline constexpr int MinProbabilityFieldId = 116;
inline constexpr int MinContraFieldId = 117;
inline constexpr int MinValueFieldId = 118;
inline constexpr int FirstConditionFieldId = 120;  // "desde", "hasta" of each, then seguidos
inline constexpr int GenerateSystemId = 1020;
inline constexpr int SaveSlipsId = 1021;
inline constexpr int EditJornadaId = 1022;

// The ranges of the conditions, in the order of their fields.
inline constexpr int ConditionRanges = 5;  // unos, equis, doses, variantes, interrupciones
inline constexpr int ConditionFields = 2 * ConditionRanges + 1;  // and "Seguidos hasta"

struct SystemsApp {
    CouponApp slip;              // the window, the slip picture and the system as a bet
    CouponTables forecast;       // one column: the signs of each match
    Handle forecastControl = 0;
    MessageHandler originalForecastProc;
    std::array<Handle, ConditionFields> conditionFields{};
    Handle objectiveChoice = 0;  // "Garantía" or "Presupuesto"
    Handle budgetField = 0;      // "Apuestas"
    Handle guaranteeChoice = 0;
    Handle minProbabilityField = 0;  // "1 entre" N
    Handle minContraField = 0;
    Handle minValueField = 0;
    Handle cancelButton = 0;
    Handle progressBar = 0;
    Handle summary = 0;
    Handle chancesLine = 0;
    // The week's round from "1x2 - Jornada.json"; none while the file is
    // missing or bad.
    std::optional<Jornada> jornada;
    bool searching = false;
    bool cancelRequested = false;
    bool hasSystem = false;
    SystemResult result;
    BetChances chances;  // of the system shown, over every result
};
