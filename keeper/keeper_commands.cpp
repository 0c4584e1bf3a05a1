#include "keeper_commands.h"

#include "bet_file.h"
#include "coupon_colors.h"
#include "coupon_drawing.h"
#include "main_window_shell.h"
#include "picture_export.h"
#include "program_folder.h"
#include "record_file.h"

namespace {

constexpr const char* Title = "Programador";
constexpr const char* OverwriteQuestion = "El fichero existe ...\r\nSobrescribir ?";
constexpr const char* SaveRefused = "Grabacion Abortada ...";
constexpr const char* Saved = "Grabado ...";
constexpr const char* NoBetFile = "No puedo leer fichero ...\r\nFichero NO existe ...";

}  // namespace

bool AppendMarkedCells(const CouponTables& tables, int columnCount, const std::string& betFile) {
    bool allWritten = true;
    for (int c = 0; c < columnCount; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (tables.markTable.at(c, s, r) == 1)
                    allWritten = AppendBetRecord(betFile, c, s, r) && allWritten;
    return allWritten;
}

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
    if (FileExists(bet)) {
        if (ShowMessage(OverwriteQuestion, MessageButtons::YesNo, Title) == MessageResult::Yes) {
            IgnoringFailure([&] { WriteAttributes(bet, Attribute::Archive); });
            IgnoringFailure([&] { DeleteFiles(bet); });
            // A new bet appended onto an old one would be a different bet.
            if (FileExists(bet))
                ShowMessage(BetNotDeletedText, MessageButtons::Ok, BetNotDeletedTitle);
            else
                AppendMarkedCells(app.tables, app.settings.columnCount, bet);
        } else {
            ShowMessage(SaveRefused, MessageButtons::Ok, Title);
        }
    } else if (AppendMarkedCells(app.tables, app.settings.columnCount, bet)) {
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
    LoadBet(app.tables, bet);
    SelectSurface(PictureControlSurface(app), false);
    for (int c = 0; c < app.settings.columnCount; ++c)
        for (int s = 0; s < SignCount; ++s)
            for (int r = 0; r < RowCount; ++r)
                if (app.tables.markTable.at(c, s, r) == 1)
                    DrawMarkedCell(app.tables.cellTable.at(c, s, r));
}

void ClearCouponCommand(CouponApp& app) {
    SelectSurface(PictureControlSurface(app), false);
    ClearSurface(White);
    ResetCouponTables(app.tables, app.settings.columnCount);
    DrawFreshCoupon(app);
}
