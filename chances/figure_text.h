#pragma once

#include <string>

// The jornada's figures as the Spanish texts write them, UTF-8.

// "7,5", "16", "2,35": at most `decimals` decimals, trailing zeros dropped,
// thousands not grouped.
std::string DecimalText(double value, int decimals);
// "35,93 %" for the fraction 0.35934.
std::string PerCentText(double fraction);
// Euros rounded to the cent once: "45.213,10 €".
long long EuroCents(double euros);
std::string EurosText(double euros);
