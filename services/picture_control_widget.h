#pragma once

// Services-internal: the Qt widget behind a picture control. It shows the
// control's surface, turns presses and keys into the message protocol, and
// knows its cells for the keyboard cursor and screen readers.

#include <QWidget>

#include <vector>

#include "window_services.h"

class PictureControlWidget : public QWidget {
    Q_OBJECT
public:
    PictureControlWidget(Handle window, Handle handle, int id, QWidget* parent);

    Handle window;
    Handle handle;
    int id;
    MessageHandler handler;
    std::vector<PictureHint> hints;
    std::vector<PictureCell> cells;  // see SetPictureCells
    int cellColumns = 1;
    bool readOnly = false;  // cells shown, never toggled
    QRgb markedFill = 0;
    int cursorCell = -1;
    // Focus-visible: the cursor shows once a key is used, until a press.
    bool cursorShown = false;
    // What screen readers were last told of each cell, and the cells in
    // the order of their probes' rows, to find those a change touched.
    std::vector<bool> reportedChecked;
    std::vector<int> cellsByProbeY;

    bool cellChecked(int cell) const;  // from the picture as shown
    void pressCell(int cell);          // as a left click at the cell's centre
    void showCursor(bool shown);
    void updateCursorArea();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Whoever must hear that the cursor's cell took the focus (screen readers)
// registers here, so the widget needs nothing of them.
using PictureFocusHook = void (*)(PictureControlWidget& picture);
void SetPictureFocusHook(PictureFocusHook hook);
void TellCursorFocused(PictureControlWidget& picture);
