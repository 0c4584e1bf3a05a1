#include "picture_export.h"

#include "bet_file.h"
#include "bet_messages.h"
#include "main_window_shell.h"
#include "message_titles.h"
#include "program_folder.h"
#include "record_file.h"

namespace {

constexpr const char* NeedBmpName = "Tienes que poner un nombre de fichero y '.bmp'";
constexpr const char* PictureSaved = "Ya ha sido grabado ...";
constexpr const char* DeleteQuestion = "Realmente quiere borrar el fichero ... ?";
constexpr const char* BetDeleted = "Fichero borrado ...";

}  // namespace

std::optional<std::string> TypedPictureName(CouponApp& app, PictureNameRule accepted) {
    const std::string name = GetControlText(ControlWindow(app.window, FileNameBoxId));
    if (name.empty()) return std::nullopt;
    if (!accepted(name)) {
        ShowMessage(NeedBmpName, MessageButtons::Ok, PictureTitle);
        return std::nullopt;
    }
    return name;
}

bool SavePictureAs(CouponApp& app, const std::string& name) {
    const std::string path = app.programFolder + name;
    IgnoringFailure([&] { WriteAttributes(path, Attribute::Archive); });
    return SaveSurfaceBitmap(path);
}

void SavePictureCommand(CouponApp& app, PictureNameRule accepted) {
    const std::optional<std::string> name = TypedPictureName(app, accepted);
    if (!name) return;
    SelectSurface(PictureControlSurface(app), false);
    if (SavePictureAs(app, *name))
        ShowMessage(PictureSaved, MessageButtons::Ok, PictureTitle);
    else
        ShowMessage(PictureNotSavedText, MessageButtons::Ok, PictureTitle);
}

void DeleteBetCommand(CouponApp& app) {
    if (ShowMessage(DeleteQuestion, MessageButtons::YesNo, ProgramTitle) != MessageResult::Yes)
        return;
    const std::string bet = BetFilePath(app.programFolder);
    IgnoringFailure([&] { WriteAttributes(bet, Attribute::Archive); });
    IgnoringFailure([&] { DeleteFiles(bet); });
    UpdateMenuStates(app);
    if (FileExists(bet))
        ShowMessage(BetNotDeletedText, MessageButtons::Ok, ProgramTitle);
    else
        ShowMessage(BetDeleted, MessageButtons::Ok, ProgramTitle);
}
