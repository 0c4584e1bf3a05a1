#pragma once

#include <cstdint>
#include <string>

#include "system_builder.h"

// The Spanish texts of a system, UTF-8, for the command line and the window.

// One line saying why no system was built; empty when one was.
std::string SystemFailureText(const SystemResult& result);
// "177.147": thousands grouped with dots.
std::string GroupedNumber(std::uint64_t value);
// "18,00 €", "1.234,50 €".
std::string EuroText(std::uint64_t cents);
