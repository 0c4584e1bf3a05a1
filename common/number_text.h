#pragma once

#include <cstdint>
#include <string>

// Numbers as the Spanish texts write them, UTF-8, without a locale.

// "177.147": thousands grouped with dots.
std::string GroupedNumber(std::uint64_t value);
// "18,00 €", "1.234,50 €".
std::string EuroText(std::uint64_t cents);
// "4,02" for 402 hundredths.
std::string HundredthsText(std::uint64_t hundredths);
