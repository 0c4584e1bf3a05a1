#include "picture_export.h"

#include <algorithm>
#include <cctype>

#include "bet_file.h"
#include "bet_messages.h"
#include "main_window_shell.h"
#include "program_folder.h"
#include "record_file.h"

namespace {

constexpr const char* PictureTitle = "Programador ...";
constexpr const char* NeedBmpName = "Tienes que poner un nombre de fichero y '.bmp'";
constexpr const char* PictureSaved = "Ya ha sido grabado ...";
constexpr const char* DeleteTitle = "Programador";
constexpr const char* DeleteQuestion = "Realmente quiere borrar el fichero ... ?";
constexpr const char* BetDeleted = "Fichero borrado ...";

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<std::string> TypedPictureName(CouponApp& app) {
    const std::string name = GetControlText(ControlWindow(app.window, FileNameBoxId));
    if (name.empty()) return std::nullopt;
    if (Lowered(name).find(".bmp") == std::string::npos) {
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

void SavePictureCommand(CouponApp& app) {
    const std::optional<std::string> name = TypedPictureName(app);
    if (!name) return;
    SelectSurface(PictureControlSurface(app), false);
    if (SavePictureAs(app, *name))
        ShowMessage(PictureSaved, MessageButtons::Ok, PictureTitle);
    else
        ShowMessage(PictureNotSavedText, MessageButtons::Ok, PictureNotSavedTitle);
}

void DeleteBetCommand(CouponApp& app) {
    if (ShowMessage(DeleteQuestion, MessageButtons::YesNo, DeleteTitle) != MessageResult::Yes)
        return;
    const std::string bet = BetFilePath(app.programFolder);
    IgnoringFailure([&] { WriteAttributes(bet, Attribute::Archive); });
    IgnoringFailure([&] { DeleteFiles(bet); });
    UpdateMenuStates(app);
    if (FileExists(bet))
        ShowMessage(BetNotDeletedText, MessageButtons::Ok, BetNotDeletedTitle);
    else
        ShowMessage(BetDeleted, MessageButtons::Ok, DeleteTitle);
}
