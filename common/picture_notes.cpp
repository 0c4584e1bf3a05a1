#include "picture_notes.h"

void ShowPictureNotes(CouponApp& app, std::vector<PictureHint> hints,
                      const std::string& description) {
    SetPictureHints(app.pictureControl, std::move(hints));
    SetPictureDescription(app.pictureControl, description);
    app.notesShown = true;
}

void EndPictureNotes(CouponApp& app) {
    app.checkShown = false;  // the notes spoke of it
    if (!app.notesShown) return;
    SetPictureHints(app.pictureControl, {});
    SetPictureDescription(app.pictureControl, "");
    app.notesShown = false;
}
