#include "keeper_commands.h"

#include "bet_file.h"
#include "bet_marks.h"
#include "bet_messages.h"
#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "keeper_pages.h"
#include "page_pictures.h"
#include "main_window_shell.h"
#include "message_titles.h"
#include "picture_notes.h"
#include "program_folder.h"

namespace {

constexpr const char* NoBetFile = "No puedo leer fichero ...\r\nFichero NO existe ...";

}  // namespace

void DrawFreshCoupon(CouponApp& app) {
    ClearPicture(PictureBitmapSurface(app));
    for (int c = 0; c < app.settings.columnCount; ++c)
        DrawColumn(app.tables, c, PictureBitmapSurface(app));
    DrawSignature(PictureBitmapSurface(app), app.settings.signatureX);
    SelectSurface(PictureControlSurface(app), false);
    CopySurface(app.pictureBitmap);
}

void SaveBetCommand(CouponApp& app) {
    // The marks of every page as they are when the command is chosen.
    StoreBetAsking(BetFilePath(app.programFolder), BetRecordsOf(app.tables.bet));
    UpdateMenuStates(app);
}

void ShowBetCommand(CouponApp& app) {
    const std::string bet = BetFilePath(app.programFolder);
    if (!FileExists(bet)) {
        ShowMessage(NoBetFile, MessageButtons::Ok, ProgramTitle);
        return;
    }
    const bool firstPageShown = app.tables.firstColumn == 0;
    BetMarks stored;
    LoadBetMarks(bet, stored);  // what could not be read shows as no marks
    TakeBet(app.tables, std::move(stored), 0);
    EndPictureNotes(app);  // the stored marks now cover the check's display
    if (!firstPageShown) DrawPage(app);
    TellPage(app);
    SelectSurface(PictureControlSurface(app), false);
    DrawPageMarks(app);
}

void ClearCouponCommand(CouponApp& app) {
    EndPictureNotes(app);
    SelectSurface(PictureControlSurface(app), false);
    ClearSurface(White);
    ResetCouponTables(app.tables, app.settings.columnCount);
    DrawFreshCoupon(app);
    TellPage(app);
}
