#include "main_window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "focus_and_keys.h"
#include "surface_registry.h"
#include "window_registry.h"

MainWindowWidget::MainWindowWidget(Handle h, int clientWidth, int clientHeight)
    : QWidget(nullptr,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      handle(h),
      client(new QWidget(this)) {
    resize(clientWidth, clientHeight);
    client->setGeometry(0, 0, clientWidth, clientHeight);
    // The window's own keys reach it before the focused control takes them.
    qApp->installEventFilter(this);
}

std::int32_t MainWindowWidget::send(std::uint32_t message, std::uint32_t first,
                                    std::uint32_t second) {
    return handler ? handler(handle, message, first, second) : 0;
}

void MainWindowWidget::placeMenuBar() {
    const int barHeight = menuBar ? menuBar->sizeHint().height() : 0;
    if (menuBar) menuBar->setGeometry(0, 0, width(), barHeight);
    client->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}

bool MainWindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) send(Message::NcActivate, 1, 0);
    if (event->type() == QEvent::WindowDeactivate) send(Message::NcActivate, 0, 0);
    // A window manager adds its frame after the window is shown; centre the
    // outer window once more when that frame first shows up.
    if (event->type() == QEvent::Move && !centredWithFrame && isVisible() &&
        frameGeometry().size() != size()) {
        centredWithFrame = true;
        CentreWindow(this);
    }
    return QWidget::event(event);
}

bool MainWindowWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || ended) return QWidget::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return QWidget::eventFilter(watched, event);
    const std::optional<WindowKey> key = WindowKeyOf(*static_cast<QKeyEvent*>(event));
    // Inside a text box the keys stay the text box's; a secondary window,
    // made of text boxes, still takes Escape.
    const bool inTextBox = qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
    if (!key || (inTextBox && !(secondary && key->key == VirtualKey::Escape)))
        return QWidget::eventFilter(watched, event);
    send(Message::KeyDown, key->key, key->modifiers);
    return true;
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    // The window goes only through the program's handler and EndWindow.
    event->ignore();
    if (ended) return;
    if (send(Message::SysCommand, SysCommandClose, 0) == 0) EndWindow(this);
}

void MainWindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeMenuBar();  // controls keep their places; only the bar follows the width
}

MainWindowWidget* WindowWidget(Handle window) {
    RegistryEntry* entry = FindHandle(window);
    return entry ? qobject_cast<MainWindowWidget*>(entry->widget.data()) : nullptr;
}

void SendCommand(Handle window, int id, Handle control) {
    if (MainWindowWidget* top = WindowWidget(window))
        top->send(Message::Command, static_cast<std::uint32_t>(id) & 0xFFFFu,
                  static_cast<std::uint32_t>(control));
}

void EndWindow(MainWindowWidget* top, int result) {
    if (top->ended) return;
    top->ended = true;
    std::vector<MainWindowWidget*> belonging;
    for (const auto& [handle, entry] : Registry())
        if (auto* window = qobject_cast<MainWindowWidget*>(entry.widget.data()); window && entry.owner == top->handle)
            belonging.push_back(window);
    for (MainWindowWidget* window : belonging) EndWindow(window);
    if (top->result) *top->result = result;
    top->send(Message::Close, 0, 0);
    top->send(Message::Destroy, 0, 0);
    UnregisterWindowSurfaces(top->handle);
    const Handle window = top->handle;
    std::erase_if(Registry(), [window](const auto& item) {
        return item.first == window || (item.second.widget && item.second.owner == window);
    });
    top->hide();
    // The keys go back to the window this one belonged to.
    if (QWidget* owner = top->secondary ? top->parentWidget() : nullptr; owner && owner->isVisible())
        owner->activateWindow();
    if (top->loop) top->loop->quit();
    top->deleteLater();
}

// Centred in the work area by its outer size, whatever position was asked
// for. The frame is known only once the window is shown, so this runs again
// then.
void CentreWindow(QWidget* top) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize outer = top->frameGeometry().size();
    top->move(std::max(0, (area.left() + area.right() + 1 - outer.width()) / 2),
              std::max(0, (area.top() + area.bottom() + 1 - outer.height()) / 2));
}

