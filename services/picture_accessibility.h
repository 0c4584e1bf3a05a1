#pragma once

// Services-internal: what screen readers see of a program's window. The
// window is a dialog named by its title; the picture control is a table of
// the cells given to SetPictureCells, each checkable and checked while the
// picture shows it marked.

class PictureControlWidget;
class QRect;

// Once per process; every new window calls it. From then on every change
// to a picture control's surface goes through ReportCheckedChanges, and
// every cursor move on a focused picture through ReportCursorFocus.
void InstallWindowAccessibility();
// Tells screen readers of the cells whose probe lies in `area` (picture
// coordinates) and whose checked state changed since they were last told.
void ReportCheckedChanges(PictureControlWidget& picture, const QRect& area);
// Tells screen readers that the cursor's cell has the focus.
void ReportCursorFocus(PictureControlWidget& picture);
