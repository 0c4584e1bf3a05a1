#pragma once

// Services-internal: how picture controls and the surfaces meet.
// Only services/ and the window tests include this header.

#include <QImage>

#include "handles.h"

class QWidget;

// Creates the surface of a picture control, filled with `face`, and selects
// it when nothing is selected yet.
void RegisterControlSurface(Handle window, int controlId, QWidget* control, int width, int height,
                            QRgb face);
void UnregisterWindowSurfaces(Handle window);
// The backing picture a picture control paints from; nullptr if none.
const QImage* ControlSurfaceImage(Handle window, int controlId);
// Called after every change to a picture control's surface, with the
// changed area in picture coordinates, deferred repaint or not.
using ControlSurfaceObserver = void (*)(QWidget* control, const QRect& area);
void SetControlSurfaceObserver(ControlSurfaceObserver observer);
