#include "near_blocks.h"

#include <algorithm>

namespace {

std::array<std::uint8_t, RowCount> OuterSigns(const ResultGrid& grid, std::size_t block) {
    std::array<std::uint8_t, RowCount> signs{};
    const std::size_t cell = block * grid.blockCells;
    for (int dim = 0; dim < grid.outerDimensions(); ++dim)
        signs[dim] = static_cast<std::uint8_t>(cell / grid.stride[dim] % SignCount);
    return signs;
}

}  // namespace

NearBlocks::NearBlocks(const ResultGrid& grid, const std::vector<HistogramEntry>& entries) : grid_(grid) {
    std::size_t choose = 1;
    for (int d = 0; d < PrizeCategories && d <= grid.blockDimensions; ++d) {
        nearCells_ += choose << d;
        choose = choose * static_cast<std::size_t>(grid.blockDimensions - d) / static_cast<std::size_t>(d + 1);
    }
    cell_.reserve(entries.size());
    counts_.reserve(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::size_t block = entries[k].cell / grid.blockCells;
        if (sources_.empty() || entries[k - 1].cell / grid.blockCells != block)
            sources_.push_back({OuterSigns(grid, block), k, k});
        sources_.back().end = k + 1;
        cell_.push_back(static_cast<std::uint32_t>(entries[k].cell % grid.blockCells));
        counts_.push_back(entries[k].counts);
    }
}

bool NearBlocks::Gather(std::size_t target, const MissPlanes<Count>& planes) const {
    for (int d = 0; d < PrizeCategories; ++d) std::fill(planes[d], planes[d] + grid_.blockCells, Count{0});
    const auto signs = OuterSigns(grid_, target);
    const auto apart = [&](const Source& source) {
        int misses = 0;
        for (int dim = 0; dim < grid_.outerDimensions(); ++dim) misses += source.signs[dim] != signs[dim];
        return misses;
    };
    std::size_t near = 0;
    for (const Source& source : sources_)
        if (apart(source) < PrizeCategories) near += source.end - source.begin;
    // Spreading each simple bet over the cells near it, or passing the
    // block's matches over the whole block: whichever touches fewer cells.
    const std::size_t passes = static_cast<std::size_t>(grid_.blockDimensions) * (PrizeCategories - 1) * grid_.blockCells;
    const bool spread = near * nearCells_ <= passes;
    for (const Source& source : sources_) {
        const int misses = apart(source);
        if (misses >= PrizeCategories) continue;
        for (std::size_t k = source.begin; k < source.end; ++k)
            if (spread)
                SpreadNear(cell_[k], counts_[k], misses, planes, grid_.outerDimensions());
            else
                for (int d = 0; d + misses < PrizeCategories; ++d) planes[d + misses][cell_[k]] += counts_[k][d];
    }
    return spread;
}

void NearBlocks::SpreadNear(std::uint32_t cell, const MissCounts& counts, int apart, const MissPlanes<Count>& planes,
                            int dim) const {
    if (dim == grid_.dimensions) {
        for (int d = 0; d + apart < PrizeCategories; ++d) planes[d + apart][cell] += counts[d];
        return;
    }
    SpreadNear(cell, counts, apart, planes, dim + 1);
    // Another sign on this match: one miss more, while some simple bet can take it.
    int fewest = 0;
    while (fewest < PrizeCategories && counts[fewest] == 0) ++fewest;
    if (fewest + apart + 1 >= PrizeCategories) return;
    const auto stride = static_cast<std::uint32_t>(grid_.stride[dim]);
    const std::uint32_t own = cell / stride % SignCount;
    for (std::uint32_t s = 0; s < SignCount; ++s)
        if (s != own) SpreadNear(cell - own * stride + s * stride, counts, apart + 1, planes, dim + 1);
}
