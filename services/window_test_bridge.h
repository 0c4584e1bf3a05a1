#pragma once

// Services-internal: the Qt objects behind handles, for the window tests.

#include "handles.h"

class QAction;
class QMenuBar;
class QWidget;

QWidget* WidgetOf(Handle handle);  // a window or a control; nullptr if none
QMenuBar* MenuBarOf(Handle window);
QAction* MenuActionOf(Handle menu, int id);  // searches pop-ups too
