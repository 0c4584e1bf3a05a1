#include "bet_check.h"

#include <algorithm>

#include "bet_file.h"
#include "bet_marks.h"
#include "bet_pages.h"
#include "check_view.h"
#include "keeper_pages.h"
#include "picture_notes.h"

void CheckBetCommand(CouponApp& app) {
    BetMarks stored;
    LoadBetMarks(BetFilePath(app.programFolder), stored);
    // The page shown stays, unless the stored bet does not reach it.
    const int shown = PageShown(app.tables);
    const int page = std::min(shown, LastMarkedPage(stored, app.settings.columnCount) + 1);
    TakeBet(app.tables, std::move(stored), page);
    EndPictureNotes(app);
    if (page != shown) DrawPage(app);
    TellPage(app);
    ShowCheckOfPage(app);
}
