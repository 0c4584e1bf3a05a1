// What a picture control tells beside its picture: hints, its cells for the
// keyboard cursor and screen readers, the cursor itself.
#include <QToolTip>

#include <algorithm>

#include "picture_control_widget.h"
#include "qt_text.h"
#include "surface_state.h"
#include "window_registry.h"
#include "window_services.h"

namespace {

PictureControlWidget* PictureWidget(Handle control) {
    RegistryEntry* entry = FindHandle(control);
    return entry ? qobject_cast<PictureControlWidget*>(entry->widget.data()) : nullptr;
}

}  // namespace

void SetPictureHints(Handle control, std::vector<PictureHint> hints) {
    PictureControlWidget* picture = PictureWidget(control);
    if (!picture) return;
    picture->hints = std::move(hints);
    if (picture->hints.empty()) QToolTip::hideText();
}

void SetPictureDescription(Handle control, std::string_view text) {
    RegistryEntry* entry = FindHandle(control);
    if (entry && entry->widget) entry->widget->setAccessibleDescription(FromText(text));
}

void SetPictureCells(Handle control, std::vector<PictureCell> cells, int columns,
                     Color markedFill) {
    PictureControlWidget* picture = PictureWidget(control);
    if (!picture) return;
    picture->updateCursorArea();
    picture->cells = std::move(cells);
    picture->cellColumns = std::max(1, columns);
    picture->markedFill = ToQRgb(markedFill);
    if (picture->cursorCell >= static_cast<int>(picture->cells.size())) picture->cursorCell = -1;
    const std::vector<PictureCell>& all = picture->cells;
    picture->reportedChecked.assign(all.size(), false);
    picture->cellsByProbeY.resize(all.size());
    for (std::size_t k = 0; k < all.size(); ++k) {
        picture->reportedChecked[k] = picture->cellChecked(static_cast<int>(k));
        picture->cellsByProbeY[k] = static_cast<int>(k);
    }
    std::stable_sort(picture->cellsByProbeY.begin(), picture->cellsByProbeY.end(),
                     [&all](int a, int b) {
                         return all[static_cast<std::size_t>(a)].probeY <
                                all[static_cast<std::size_t>(b)].probeY;
                     });
    picture->updateCursorArea();
}

void SetPictureCursor(Handle control, int cell) {
    PictureControlWidget* picture = PictureWidget(control);
    if (!picture) return;
    if (cell < 0 || cell >= static_cast<int>(picture->cells.size())) cell = -1;
    if (cell == picture->cursorCell) return;
    picture->updateCursorArea();
    picture->cursorCell = cell;
    picture->updateCursorArea();
    if (picture->hasFocus()) TellCursorFocused(*picture);
}


void SetPictureReadOnly(Handle control, bool readOnly) {
    if (PictureControlWidget* picture = PictureWidget(control)) picture->readOnly = readOnly;
}
