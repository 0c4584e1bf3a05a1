// Menus, the modal run, message boxes and the keyboard focus.
#include <QAbstractEventDispatcher>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QThread>

#include <chrono>
#include <thread>

#include "window_registry.h"
#include "window_services.h"
#include "window_test_bridge.h"
#include "window_widgets.h"

namespace {

constexpr const char* CommandIdProperty = "commandId";

// A Yes/No box ends only through its buttons; an OK box also closes with
// Escape and the title-bar button, which count as OK.
class MessageBoxWindow : public QMessageBox {
public:
    bool answered = false;
    bool yesNo = false;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (yesNo && event->key() == Qt::Key_Escape) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (yesNo && !answered) return event->ignore();
        answered = true;
        QMessageBox::closeEvent(event);
    }
};

QAction* FindAction(QWidget* menu, int id) {
    if (!menu) return nullptr;
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* inner = FindAction(action->menu(), id)) return inner;
        } else if (!action->isSeparator() && action->property(CommandIdProperty).toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

QWidget* MenuWidget(Handle menu) {
    RegistryEntry* entry = FindHandle(menu);
    if (!entry) return nullptr;
    if (entry->bar) return entry->bar.data();
    return entry->popup.data();
}

// The window a menu shows on, through its bar.
Handle MenuWindow(Handle menu) {
    RegistryEntry* entry = FindHandle(menu);
    if (entry && entry->popup) entry = FindHandle(entry->owner);
    return entry && entry->bar ? entry->owner : 0;
}

int OpenWindows() {
    int count = 0;
    for (const auto& [handle, entry] : Registry())
        if (qobject_cast<MainWindowWidget*>(entry.widget.data())) ++count;
    return count;
}

}  // namespace

Handle NewMenuBar() { return RegisterHandle({nullptr, nullptr, new QMenuBar, 0, 0, nullptr}); }

Handle NewPopupMenu() { return RegisterHandle({nullptr, new QMenu, nullptr, 0, 0, nullptr}); }

void AddMenuItem(Handle menu, std::string_view text, int idOrSubmenu, int state) {
    RegistryEntry* entry = FindHandle(menu);
    if (!entry) return;
    const QString label = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QWidget* target = MenuWidget(menu);
    if (!target) return;
    if (text == "-") {
        if (entry->popup) entry->popup->addSeparator();
        return;
    }
    RegistryEntry* sub = FindHandle(idOrSubmenu);
    if (sub && sub->popup && idOrSubmenu != 0 && entry->bar) {
        sub->popup->setTitle(label);
        // Owned by the bar, so it dies with the window.
        sub->popup->setParent(entry->bar.data(), sub->popup->windowFlags());
        // A pop-up is a window of its own: it takes the window's font only so.
        sub->popup->setAttribute(Qt::WA_WindowPropagation);
        entry->bar->addMenu(sub->popup);
        sub->owner = menu;
        return;
    }
    auto* action = new QAction(label, target);
    action->setProperty(CommandIdProperty, idOrSubmenu);
    action->setEnabled(state == MenuEnabled);
    QObject::connect(action, &QAction::triggered, [menu, idOrSubmenu] {
        SendCommand(MenuWindow(menu), idOrSubmenu, 0);
    });
    target->addAction(action);
}

void AttachMenu(Handle menuBar, Handle window) {
    RegistryEntry* entry = FindHandle(menuBar);
    MainWindowWidget* top = WindowWidget(window);
    if (!entry || !entry->bar || !top) return;
    entry->owner = window;
    entry->bar->setParent(top);
    top->menuBar = entry->bar;
    entry->bar->show();
    // The outer size stays: the bar takes its height from the client area.
    top->placeMenuBar();
}

void SetMenuItemState(Handle menu, int id, int state) {
    if (QAction* action = FindAction(MenuWidget(menu), id)) action->setEnabled(state == MenuEnabled);
}

int MenuItemState(Handle menu, int id) {
    QAction* action = FindAction(MenuWidget(menu), id);
    return action ? (action->isEnabled() ? MenuEnabled : MenuGreyed) : -1;
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
    loop.exec();
    // The ended window was only scheduled for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ShowModal(Handle window, MessageHandler handler, int* result) {
    BeginModal(window, std::move(handler), result);
    RunModalLoop(window);
}

int ProcessPendingMessage(int pauseMilliseconds) {
    QAbstractEventDispatcher* dispatcher =
        qApp ? QAbstractEventDispatcher::instance(QThread::currentThread()) : nullptr;
    const bool handled = dispatcher && dispatcher->processEvents(QEventLoop::AllEvents);
    if (!handled && pauseMilliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMilliseconds));
    return OpenWindows();
}

int ShowMessage(std::string_view text, int buttons, std::string_view title) {
    if (!qApp) return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    QString body = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    // No owner: the main window stays usable while the box is open.
    MessageBoxWindow box;
    box.yesNo = buttons == MessageButtons::YesNo;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    box.setText(body);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::NonModal);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::buttonClicked, [&](QAbstractButton*) {
        box.answered = true;
        loop.quit();
    });
    // Closed without a button: only an OK box gets this far.
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
    if (buttons != MessageButtons::YesNo) return MessageResult::Ok;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageResult::Yes
                                                               : MessageResult::No;
}

Handle FocusedControl() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return 0;
    for (const auto& [handle, entry] : Registry())
        if (entry.widget == focus) return handle;
    return 0;
}

void SetFocusTo(Handle control) {
    RegistryEntry* entry = FindHandle(control);
    if (entry && entry->widget) entry->widget->setFocus(Qt::OtherFocusReason);
}

QWidget* WidgetOf(Handle handle) {
    RegistryEntry* entry = FindHandle(handle);
    return entry ? entry->widget.data() : nullptr;
}

QMenuBar* MenuBarOf(Handle window) {
    MainWindowWidget* top = WindowWidget(window);
    return top ? top->menuBar.data() : nullptr;
}

QAction* MenuActionOf(Handle menu, int id) { return FindAction(MenuWidget(menu), id); }
