// Builds every shape of the systems table with the default effort and prints
// the size reached beside the best known, the lower bound and the time.
// Usage: systems_bench [FILTER]   (only the rows whose shape contains FILTER)

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "system_builder.h"

namespace {

struct Case {
    int triples, doubles, guarantee;
    std::uint64_t bestKnown, mustReach;
};

// Best known: Kéri's tables; mixed shapes: the systems in use.
const std::vector<Case> Cases = {
    {2, 0, 13, 3, 3},     {3, 0, 13, 5, 5},     {4, 0, 13, 9, 9},     {5, 0, 13, 27, 27},
    {6, 0, 13, 73, 73},   {7, 0, 13, 186, 205}, {8, 0, 13, 486, 535}, {3, 0, 12, 3, 3},
    {4, 0, 12, 3, 3},     {5, 0, 12, 8, 8},     {6, 0, 12, 17, 17},   {7, 0, 12, 34, 34},
    {8, 0, 12, 81, 81},   {5, 0, 11, 3, 3},     {6, 0, 11, 6, 6},     {7, 0, 11, 12, 12},
    {8, 0, 11, 27, 27},   {6, 0, 10, 3, 3},     {7, 0, 10, 3, 3},     {8, 0, 10, 9, 9},
    {0, 4, 13, 4, 4},     {0, 5, 13, 7, 7},     {0, 6, 13, 12, 12},   {0, 7, 13, 16, 16},
    {0, 8, 13, 32, 32},   {0, 9, 13, 62, 62},   {0, 10, 13, 120, 132}, {0, 11, 13, 192, 211},
    {0, 5, 12, 2, 2},     {0, 6, 12, 4, 4},     {0, 7, 12, 7, 7},     {0, 8, 12, 12, 12},
    {0, 9, 12, 16, 16},   {0, 10, 12, 30, 33},  {0, 11, 12, 44, 48},  {3, 3, 13, 24, 24},
    {2, 6, 13, 64, 64},   {4, 4, 13, 144, 144}, {4, 4, 12, 24, 24},   {4, 4, 11, 10, 10},
    {3, 7, 10, 8, 8},
};

std::string Shape(const Case& c) {
    std::string text;
    if (c.triples) text += std::to_string(c.triples) + "T";
    if (c.doubles) text += (text.empty() ? "" : "+") + std::to_string(c.doubles) + "D";
    return text + " al " + std::to_string(c.guarantee);
}

}  // namespace

int main(int argc, char** argv) {
    const char* filter = argc > 1 ? argv[1] : "";
    std::printf("%-12s %8s %8s %8s %8s %8s\n", "shape", "reached", "best", "needed", "bound", "seconds");
    int missed = 0;
    for (const Case& c : Cases) {
        const std::string shape = Shape(c);
        if (std::strstr(shape.c_str(), filter) == nullptr) continue;
        SystemRequest request;
        for (int m = 0; m < RowCount; ++m)
            request.forecast[m] = m < c.triples ? 7 : m < c.triples + c.doubles ? 3 : 1;
        request.guarantee = c.guarantee;
        const auto start = std::chrono::steady_clock::now();
        const SystemResult result = BuildSystem(request);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const bool reached = result.failure == SystemFailure::None && result.columns.size() <= c.mustReach;
        missed += !reached;
        std::printf("%-12s %8zu %8llu %8llu %8llu %8.2f%s\n", shape.c_str(), result.columns.size(),
                    static_cast<unsigned long long>(c.bestKnown), static_cast<unsigned long long>(c.mustReach),
                    static_cast<unsigned long long>(result.lowerBound), took.count(), reached ? "" : "  *");
        std::fflush(stdout);
    }
    std::printf("%d shapes above the size needed (*)\n", missed);
    return 0;
}
