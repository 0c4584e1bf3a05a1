#pragma once

// Services-internal: the Qt objects behind handles, for the window tests.

#include "handles.h"

class QAccessibleEvent;
class QAction;
class QMenuBar;
class QWidget;

QWidget* WidgetOf(Handle handle);  // a window or a control; nullptr if none
QMenuBar* MenuBarOf(Handle window);
QAction* MenuActionOf(Handle menu, int id);  // searches pop-ups too

// Sees every event the picture controls send screen readers, also while
// none is active (Qt then drops them before any handler); nullptr ends it.
using AccessibleEventTap = void (*)(QAccessibleEvent* event);
void SetAccessibleEventTap(AccessibleEventTap tap);
