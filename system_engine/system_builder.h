#pragma once

#include "system_request.h"

// Reduced systems: the fewest simple columns that still guarantee a number
// of hits over every outcome of a forecast that meets some conditions, or
// the columns a budget buys that reach those hits on as much of it as they
// can. No toolkit; the command line and the systems window call it.

SystemResult BuildSystem(const SystemRequest& request, const SystemProgress& progress = {});
