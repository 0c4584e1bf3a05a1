#pragma once

// Services-internal: the programs' icon, a shaded football drawn by code.

#include <QIcon>
#include <QImage>

QImage ProgramIconImage(int size);
QIcon ProgramIcon();
