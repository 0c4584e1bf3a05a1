#include "slip_view.h"

#include <algorithm>
#include <string>

#include "bet_marks.h"
#include "bet_pages.h"
#include "guarantee.h"
#include "page_pictures.h"
#include "picture_marking.h"
#include "picture_notes.h"
#include "profile_chart.h"
#include "system_summary.h"

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

}  // namespace

void ShowSystem(SystemsApp& app) {
    app.hasSystem = true;
    TakeBet(app.slip.tables, BetMarksOf(SystemBet(app.result.columns)), 0);
    DrawSlip(app);
    const std::string profile = GuaranteeText(app.result.profile);
    ShowPictureNotes(app.slip, {{0, 0, SlipSettings.pictureWidth, PictureHeight, profile}}, profile);
    SetControlText(app.summary, SummaryText(app.result, BetPriceCents));
    DrawProfileChart(app);
}

void ClearSystem(SystemsApp& app) {
    app.hasSystem = false;
    app.result = {};
    EndPictureNotes(app.slip);
    ResetCouponTables(app.slip.tables, SlipSettings.columnCount);
    DrawSlip(app);
    SetControlText(app.summary, "");
    DrawProfileChart(app);
}

void MoveSlip(SystemsApp& app, int step) {
    if (!app.hasSystem) return;
    const int last = SlipCount(app.result.columns.size()) - 1;
    const int page = std::clamp(PageShown(app.slip.tables) + step, 0, last);
    if (page == PageShown(app.slip.tables)) return;
    ShowPageMarks(app.slip.tables, page);
    DrawSlip(app);
}
