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

void NearBlocks::Gather(std::size_t target, const MissPlanes<Count>& planes) const {
    for (int d = 0; d < PrizeCategories; ++d) std::fill(planes[d], planes[d] + grid_.blockCells, Count{0});
    const auto signs = OuterSigns(grid_, target);
    for (const Source& source : sources_) {
        int apart = 0;
        for (int dim = 0; dim < grid_.outerDimensions(); ++dim) apart += source.signs[dim] != signs[dim];
        if (apart >= PrizeCategories) continue;
        for (std::size_t k = source.begin; k < source.end; ++k)
            for (int d = 0; d + apart < PrizeCategories; ++d) planes[d + apart][cell_[k]] += counts_[k][d];
    }
}
