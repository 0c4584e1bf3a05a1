#include "odds_conversion.h"

#include <cmath>
#include <functional>

namespace {

struct MethodName {
    OddsMethod method;
    const char* name;
};

constexpr MethodName MethodNames[] = {
    {OddsMethod::Multiplicative, "multiplicative"}, {OddsMethod::Additive, "additive"},
    {OddsMethod::Power, "power"},                   {OddsMethod::Shin, "shin"},
    {OddsMethod::OddsRatio, "odds-ratio"},
};

// The parameter where a falling sum of probabilities crosses 1, halving the
// bracket until it cannot shrink: the sums move smoothly, so this is exact
// to the last bits that matter and needs no starting guess.
double WhereSumIsOne(double low, double high, const std::function<double(double)>& sum) {
    for (int step = 0; step < 200 && low < high; ++step) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) break;
        (sum(middle) > 1 ? low : high) = middle;
    }
    return low + (high - low) / 2;
}

SignFigures Each(const SignFigures& r, const std::function<double(double)>& f) {
    return {f(r[0]), f(r[1]), f(r[2])};
}

double Sum(const SignFigures& p) { return p[0] + p[1] + p[2]; }

}  // namespace

std::optional<SignFigures> ConvertOdds(const SignFigures& odds, OddsMethod method) {
    SignFigures r{};
    for (int i = 0; i < SignCount; ++i) {
        if (!std::isfinite(odds[i]) || odds[i] <= 1) return std::nullopt;
        r[i] = 1 / odds[i];
    }
    const double s = Sum(r);
    SignFigures p{};
    switch (method) {
        case OddsMethod::Multiplicative: p = Each(r, [s](double ri) { return ri / s; }); break;
        case OddsMethod::Additive: p = Each(r, [s](double ri) { return ri - (s - 1) / SignCount; }); break;
        case OddsMethod::Power: {
            // Every r_i is below 1, so the sum falls as k grows.
            const auto at = [&r](double k) { return Each(r, [k](double ri) { return std::pow(ri, k); }); };
            double high = 2;
            while (Sum(at(high)) > 1) high *= 2;
            p = at(WhereSumIsOne(0, high, [&at](double k) { return Sum(at(k)); }));
            break;
        }
        case OddsMethod::OddsRatio: {
            const auto at = [&r](double c) { return Each(r, [c](double ri) { return ri / (c - c * ri + ri); }); };
            double high = 2;
            while (Sum(at(high)) > 1) high *= 2;
            p = at(WhereSumIsOne(0, high, [&at](double c) { return Sum(at(c)); }));
            break;
        }
        case OddsMethod::Shin: {
            const auto at = [&r, s](double z) {
                return Each(r, [z, s](double ri) {
                    return (std::sqrt(z * z + 4 * (1 - z) * ri * ri / s) - z) / (2 * (1 - z));
                });
            };
            // At z = -1 every p_i is at least 1/2; towards z = 1 the sum falls to 0.
            p = at(WhereSumIsOne(-1, 1 - 1e-12, [&at](double z) { return Sum(at(z)); }));
            break;
        }
    }
    for (const double pi : p)
        if (!(pi >= 0)) return std::nullopt;
    return p;
}

std::optional<OddsMethod> OddsMethodNamed(std::string_view name) {
    for (const MethodName& one : MethodNames)
        if (name == one.name) return one.method;
    return std::nullopt;
}

const char* OddsMethodName(OddsMethod method) {
    for (const MethodName& one : MethodNames)
        if (method == one.method) return one.name;
    return "";
}
