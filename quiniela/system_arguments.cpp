#include "system_arguments.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

namespace {

constexpr std::size_t MostBetDigits = 9;
constexpr std::size_t MostEuroDigits = 6;

bool ParseNumber(const std::string& text, int& value) {
    if (text.empty() || text.size() > 2) return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// A plain decimal, "." or "," for the point; nothing else around it.
std::optional<double> ParseDecimal(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value) || value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::uint64_t> ParseCents(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string cents = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.empty() || whole.size() > MostEuroDigits || cents.size() > 2) return std::nullopt;
    cents.resize(2, '0');
    std::uint64_t value = 0;
    for (const char c : whole + cents) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

std::optional<std::uint64_t> ParseBets(const std::string& text) {
    if (text.empty() || text.size() > MostBetDigits) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value == 0) return std::nullopt;
    return value;
}

std::optional<double> ParseFigure(std::string text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) return ParseDecimal(text);
    const auto over = ParseDecimal(text.substr(0, slash));
    const auto under = ParseDecimal(text.substr(slash + 1));
    if (!over || !under || *under == 0) return std::nullopt;
    return *over / *under;
}

bool ParseRange(const std::string& name, const std::string& text, int top, CountRange& range) {
    if (text.empty()) return true;
    const auto dash = text.find('-');
    int low = 0, high = 0;
    if (dash == std::string::npos || !ParseNumber(text.substr(0, dash), low) ||
        !ParseNumber(text.substr(dash + 1), high) || low > high || high > top) {
        std::cerr << "--" << name << ": '" << text << "' is not a range A-B within 0.." << top << "\n";
        return false;
    }
    range = {low, high};
    return true;
}
