#pragma once

// Services-internal: the table behind window, control and menu handles.

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <map>

#include "window_services.h"

struct RegistryEntry {
    QPointer<QWidget> widget;  // a window or a control
    QPointer<QMenu> popup;
    QPointer<QMenuBar> bar;
    Handle owner = 0;  // a control's window; a pop-up's bar; a bar's window
    int id = 0;
    MessageHandler handler;  // controls only
};

std::map<Handle, RegistryEntry>& Registry();
Handle RegisterHandle(RegistryEntry entry);
RegistryEntry* FindHandle(Handle handle);
// The handle the next registration will get: controls know theirs before
// they are registered.
Handle NextHandle();
