#include "slip_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "bet_marks.h"
#include "bet_pages.h"
#include "column_chances.h"
#include "coupon_geometry.h"
#include "guarantee.h"
#include "page_pictures.h"
#include "picture_marking.h"
#include "picture_notes.h"
#include "profile_chart.h"
#include "system_summary.h"
#include "window_round.h"

namespace {

constexpr const char* SlipName = "Boleto";

void DrawSlip(SystemsApp& app) {
    CouponApp& slip = app.slip;
    DrawPageBitmap(slip);
    SelectSurface(PictureControlSurface(slip), false);
    CopySurface(slip.pictureBitmap);
    std::string name = SlipName;
    if (app.hasSystem)
        name += " " + std::to_string(PageShown(slip.tables) + 1) + " de " +
                std::to_string(SlipCount(app.result.columns.size()));
    SetControlAccessibleName(slip.pictureControl, name);
    DescribePictureCells(slip.pictureControl, SlipSettings.columnCount, slip.tables.firstColumn);
}

// The profile over the whole slip; over each column of the slip shown, its
// chance of 14 and, with the public's shares, its contra before the profile.
// The description reads the profile, then those columns.
void ShowSlipNotes(SystemsApp& app) {
    const std::string profile = GuaranteeText(app.result.profile);
    const ChanceModel model = WindowChanceModel(app);
    std::vector<PictureHint> hints;
    std::string columns;
    const int first = app.slip.tables.firstColumn;
    const int shown = std::min<int>(SlipSettings.columnCount, static_cast<int>(app.result.columns.size()) - first);
    for (int c = 0; c < shown; ++c) {
        MatchSigns marks{};
        const SimpleColumn& column = app.result.columns[static_cast<std::size_t>(first + c)];
        for (int m = 0; m < RowCount; ++m) marks[m] = static_cast<SignSet>(1u << column[m]);
        const double chance = ChanceOf14(marks, model);
        const std::optional<double> publicChance = PublicChanceOf14(marks, model);
        std::optional<double> contra;
        if (publicChance && *publicChance > 0) contra = chance / *publicChance;
        const std::string line = ColumnChanceText(first + c + 1, chance, contra);
        const int left = ColumnLeft(c);
        hints.push_back({left, 0, left + SignCount * CellSize, GridTop + RowCount * CellSize, line + "\n" + profile});
        columns += "\n" + line;
    }
    hints.push_back({0, 0, SlipSettings.pictureWidth, PictureHeight, profile});
    ShowPictureNotes(app.slip, std::move(hints), profile + columns);
}

}  // namespace

void ShowSystem(SystemsApp& app) {
    app.hasSystem = true;
    TakeBet(app.slip.tables, BetMarksOf(SystemBet(app.result.columns)), 0);
    DrawSlip(app);
    ShowSlipNotes(app);
    SetControlText(app.summary, SummaryText(app.result, PriceCents(WindowChanceModel(app))));
    const bool budget = app.result.budgetBets > 0;
    SetControlText(app.chancesLine,
                   ChancesLineText(app.chances, budget ? std::optional(app.result.coverage) : std::nullopt));
    DrawResultCharts(app);
}

void ClearSystem(SystemsApp& app) {
    app.hasSystem = false;
    app.result = {};
    app.chances = {};
    EndPictureNotes(app.slip);
    ResetCouponTables(app.slip.tables, SlipSettings.columnCount);
    DrawSlip(app);
    SetControlText(app.summary, "");
    SetControlText(app.chancesLine, "");
    DrawResultCharts(app);
}

void MoveSlip(SystemsApp& app, int step) {
    if (!app.hasSystem) return;
    const int last = SlipCount(app.result.columns.size()) - 1;
    const int page = std::clamp(PageShown(app.slip.tables) + step, 0, last);
    if (page == PageShown(app.slip.tables)) return;
    ShowPageMarks(app.slip.tables, page);
    DrawSlip(app);
    ShowSlipNotes(app);
}
