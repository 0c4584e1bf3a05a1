#include "number_text.h"

std::string GroupedNumber(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}

std::string HundredthsText(std::uint64_t hundredths) {
    const std::uint64_t rest = hundredths % 100;
    return GroupedNumber(hundredths / 100) + (rest < 10 ? ",0" : ",") + std::to_string(rest);
}

std::string EuroText(std::uint64_t cents) { return HundredthsText(cents) + " €"; }
