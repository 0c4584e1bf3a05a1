// The program, its windows, their modal run and the message pass.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QThread>

#include <chrono>
#include <thread>

#include "control_font.h"
#include "main_window_widget.h"
#include "picture_accessibility.h"
#include "program_icon.h"
#include "qt_text.h"
#include "window_registry.h"
#include "window_services.h"

namespace {

// The window's and controls' default font is the control face at this size.
// The coupon draws with its own fonts.
constexpr int ControlFontPoints = 8;

int OpenWindows() {
    int count = 0;
    for (const auto& [handle, entry] : Registry())
        if (qobject_cast<MainWindowWidget*>(entry.widget.data())) ++count;
    return count;
}

bool AnyWindowShown() {
    for (const auto& [handle, entry] : Registry())
        if (auto* top = qobject_cast<MainWindowWidget*>(entry.widget.data()); top && top->isVisible())
            return true;
    return false;
}

}  // namespace

int RunProgram(int argc, char** argv, const std::function<int()>& entry) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    return entry();
}

Handle NewWindow(Handle parent, std::string_view title, int width, int height) {
    const Handle handle = NextHandle();
    InstallWindowAccessibility();
    auto* top = new MainWindowWidget(handle, width, height);
    MainWindowWidget* owner = parent != 0 ? WindowWidget(parent) : nullptr;
    if (owner) {
        // A window of its own that stays above its owner and keeps the
        // owner's input while it is open.
        top->setParent(owner, top->windowFlags());
        top->setWindowModality(Qt::WindowModal);
        top->secondary = true;
    }
    RegisterHandle({top, nullptr, nullptr, owner ? parent : 0, 0, nullptr});
    top->setWindowTitle(FromText(title));
    QFont font(FamilyToRequest(QString::fromLatin1(ControlFontFace)), ControlFontPoints);
    font.setStyleHint(QFont::SansSerif);
    top->setFont(font);
    CentreWindow(top);
    return handle;
}

void SetWindowIcon(Handle window, std::string_view resource) {
    MainWindowWidget* top = WindowWidget(window);
    if (top && resource == "#200") top->setWindowIcon(ProgramIcon());
}

void BeginModal(Handle window, MessageHandler handler, int* result) {
    MainWindowWidget* top = WindowWidget(window);
    if (!top) return;
    top->handler = std::move(handler);
    top->result = result;
    top->send(Message::InitDialog, static_cast<std::uint32_t>(window), 0);
    const auto size = static_cast<std::uint32_t>(top->width()) |
                      (static_cast<std::uint32_t>(top->height()) << 16);
    top->send(Message::Size, 0, size);
    top->show();
    CentreWindow(top);
    top->raise();
    top->activateWindow();
}

void RunModalLoop(Handle window) {
    MainWindowWidget* top = WindowWidget(window);
    if (!top || top->ended) return;
    QEventLoop loop;
    top->loop = &loop;
    const QPointer<MainWindowWidget> ended = top;
    const bool secondary = top->secondary;
    loop.exec();
    // The ended window was only scheduled for deletion. A secondary window's
    // owner may have ended with it, but its handler is still running below
    // this loop: only the secondary window goes now.
    if (!secondary)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    else if (ended)
        QCoreApplication::sendPostedEvents(ended.data(), QEvent::DeferredDelete);
}

void EndModal(Handle window, int result) {
    if (MainWindowWidget* top = WindowWidget(window)) EndWindow(top, result);
}

void ShowModal(Handle window, MessageHandler handler, int* result) {
    BeginModal(window, std::move(handler), result);
    RunModalLoop(window);
}

int ProcessPendingMessage(int pauseMilliseconds) {
    QAbstractEventDispatcher* dispatcher =
        qApp ? QAbstractEventDispatcher::instance(QThread::currentThread()) : nullptr;
    const bool handled = dispatcher && dispatcher->processEvents(QEventLoop::AllEvents);
    // The pause leaves room for the user's input. Before any window is shown
    // (a program drawing its first picture) no input can be on its way, and
    // the pauses would only delay the first paint.
    if (!handled && pauseMilliseconds > 0 && AnyWindowShown())
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMilliseconds));
    return OpenWindows();
}

