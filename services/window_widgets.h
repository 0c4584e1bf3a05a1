#pragma once

// Services-internal: the Qt widgets behind a program's window and its
// picture controls. They translate Qt events into the message protocol.

#include <QPointer>
#include <QWidget>

#include "window_services.h"

class QEventLoop;
class QMenuBar;

class MainWindowWidget : public QWidget {
    Q_OBJECT
public:
    MainWindowWidget(Handle handle, int clientWidth, int clientHeight);

    Handle handle;
    MessageHandler handler;
    int* result = nullptr;
    QWidget* client;  // the controls' parent: the client area below the menu bar
    QPointer<QMenuBar> menuBar;
    QEventLoop* loop = nullptr;
    bool ended = false;
    bool centredWithFrame = false;

    std::int32_t send(std::uint32_t message, std::uint32_t first, std::uint32_t second);
    void placeMenuBar();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

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
