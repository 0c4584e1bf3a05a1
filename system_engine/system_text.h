#pragma once

#include <string>

#include "system_builder.h"

// The Spanish texts of a system, UTF-8, for the command line and the window.

// One line saying why no system was built; empty when one was.
std::string SystemFailureText(const SystemResult& result);
