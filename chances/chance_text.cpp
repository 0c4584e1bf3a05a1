#include "chance_text.h"

#include <cmath>
#include <cstdio>

#include "figure_text.h"
#include "number_text.h"

namespace {

constexpr const char* Separator = " · ";
constexpr int WinnerFigures = 4;
constexpr int MostDecimals = 12;

// `figures` significant figures, at least two decimals, trailing zeros dropped.
std::string SignificantText(double value, int figures) {
    if (value <= 0) return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(value)));
    const int decimals = std::max(2, std::min(MostDecimals, figures - 1 - magnitude));
    return DecimalText(value, decimals);
}

std::string Hits(int d) { return std::to_string(FirstCategoryHits - d); }

}  // namespace

std::string ProbabilityText(const BetChances& chances, int lowestHits) {
    std::string text;
    for (int d = 0; d <= FirstCategoryHits - lowestHits && d < PrizeCategories; ++d)
        text += (d == 0 ? "" : Separator) + Hits(d) + (d == 0 ? "" : " o más") + ": " +
                PerCentText(chances.probability[d]);
    return text;
}

std::string ValueText(const BetChances& chances) {
    if (!chances.expectedPrize) return "";
    std::string text = EurosText(chances.expectedTotal);
    if (chances.value) text += " (" + EurosText(*chances.value) + " por euro)";
    return text;
}

std::string WinnersText(const BetChances& chances) {
    std::string text;
    for (int d = 0; d < PrizeCategories; ++d)
        text += (d == 0 ? "" : Separator) + Hits(d) + ": " + SignificantText(chances.expectedWinners[d], WinnerFigures);
    return text;
}

std::string PrizeText(const BetChances& chances) {
    if (!chances.expectedPrize) return "";
    std::string text;
    for (int d = 0; d < PrizeCategories; ++d)
        text += (d == 0 ? "" : Separator) + Hits(d) + ": " + EurosText((*chances.expectedPrize)[d]);
    return text;
}

std::string OneInText(double chance) {
    if (chance <= 0) return "0 %";
    const double odds = 1 / chance;
    // Past 64 bits when many matches are long shots: the figures a double
    // holds, then zeros.
    char digits[400];
    std::string whole;
    if (odds < 1e15) {
        std::snprintf(digits, sizeof digits, "%.0f", odds);
        whole = digits;
    } else {
        std::snprintf(digits, sizeof digits, "%.14e", odds);  // "1.23456789012345e+25"
        const std::string text = digits;
        const auto exponent = static_cast<std::size_t>(std::stoi(text.substr(text.find('e') + 1)));
        whole = text.substr(0, 1) + text.substr(2, 14);
        whole.resize(exponent + 1, '0');
    }
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += '.';
        grouped += whole[i];
    }
    return "1 entre " + grouped;
}

std::string RatioText(double ratio) { return HundredthsText(static_cast<std::uint64_t>(std::llround(ratio * 100))); }
