#include "figure_text.h"

#include <cmath>
#include <cstdio>

#include "number_text.h"

std::string DecimalText(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string PerCentText(double fraction) {
    return HundredthsText(static_cast<std::uint64_t>(std::llround(fraction * 10000))) + " %";
}

long long EuroCents(double euros) { return std::llround(euros * 100); }

std::string EurosText(double euros) { return EuroText(static_cast<std::uint64_t>(EuroCents(euros))); }
