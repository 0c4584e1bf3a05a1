#pragma once

// Services-internal: the Qt widget behind a program's window. It turns Qt's
// window events into the message protocol of window_services.h.

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
    bool secondary = false;  // belongs to another window (NewWindow's parent)

    std::int32_t send(std::uint32_t message, std::uint32_t first, std::uint32_t second);
    void placeMenuBar();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

MainWindowWidget* WindowWidget(Handle window);  // nullptr if none
// A command message to the window's handler, as a button or menu entry sends.
void SendCommand(Handle window, int id, Handle control);
// Ends a window and first the windows that belong to it: the result, the
// close and destruction messages, the loop.
void EndWindow(MainWindowWidget* top, int result = 0);
void CentreWindow(QWidget* top);
