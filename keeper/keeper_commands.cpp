#include "keeper_commands.h"

#include "bet_file.h"
#include "bet_marks.h"
#include "bet_messages.h"
#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "keeper_pages.h"
#include "main_window_shell.h"
#include "picture_export.h"
#include "picture_notes.h"
#include "program_folder.h"

namespace {

constexpr const char* Title = "Programador";
constexpr const char* OverwriteQuestion = "El fichero existe ...\r\nSobrescribir ?";
constexpr const char* SaveRefused = "Grabacion Abortada ...";
constexpr const char* Saved = "Grabado ...";
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
    const std::string bet = BetFilePath(app.programFolder);
    // The marks of every page as they are when the command is chosen.
    const std::vector<BetRecord> records = BetRecordsOf(app.tables.bet);
    if (FileExists(bet)) {
        if (ShowMessage(OverwriteQuestion, MessageButtons::YesNo, Title) == MessageResult::Yes)
            ReportBetReplacement(ReplaceBet(bet, records));
        else
            ShowMessage(SaveRefused, MessageButtons::Ok, Title);
    } else if (ReportBetReplacement(ReplaceBet(bet, records))) {
        ShowMessage(Saved, MessageButtons::Ok, Title);
    }
    UpdateMenuStates(app);
}

void ShowBetCommand(CouponApp& app) {
    const std::string bet = BetFilePath(app.programFolder);
    if (!FileExists(bet)) {
        ShowMessage(NoBetFile, MessageButtons::Ok, Title);
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
    for (int c = 0; c < app.settings.columnCount; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (app.tables.markTable.at(c, s, r) == 1)
                    DrawMarkedCell(app.tables.cellTable.at(c, s, r));
}

void ClearCouponCommand(CouponApp& app) {
    EndPictureNotes(app);
    SelectSurface(PictureControlSurface(app), false);
    ClearSurface(White);
    ResetCouponTables(app.tables, app.settings.columnCount);
    DrawFreshCoupon(app);
    TellPage(app);
}
