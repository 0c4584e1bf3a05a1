// Menu bars, their pop-up menus and entries.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "main_window_widget.h"
#include "window_registry.h"
#include "window_services.h"
#include "window_test_bridge.h"

namespace {

constexpr const char* CommandIdProperty = "commandId";

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

QMenuBar* MenuBarOf(Handle window) {
    MainWindowWidget* top = WindowWidget(window);
    return top ? top->menuBar.data() : nullptr;
}

QAction* MenuActionOf(Handle menu, int id) { return FindAction(MenuWidget(menu), id); }
