#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <functional>

#include "chance_control.h"
#include "chance_model.h"

// Passes over the result grid along one match, and the sharing of the grid's
// blocks among threads.

// One plane per number of misses, 0..4, each `cells` long.
template <typename T>
using MissPlanes = std::array<T*, PrizeCategories>;

// Along one match, over lines [begin, end) (line L: the three cells
// L / stride * 3 stride + L % stride + {0, 1, 2} stride): every cell of
// `target` gains what `source` holds on the line's two other cells.
template <typename T>
void SpreadLines(T* __restrict target, const T* __restrict source, std::size_t begin, std::size_t end,
                 std::size_t stride) {
    for (std::size_t line = begin; line < end;) {
        const std::size_t offset = line % stride;
        const std::size_t stop = std::min(stride, offset + (end - line));
        T* __restrict t = target + line / stride * 3 * stride;
        const T* __restrict s = source + line / stride * 3 * stride;
        for (std::size_t i = offset; i < stop; ++i) {
            const T a = s[i], x = s[i + stride], c = s[i + 2 * stride];
            t[i] += x + c;
            t[i + stride] += a + c;
            t[i + 2 * stride] += a + x;
        }
        line += stop - offset;
    }
}

// Counts forwards: a simple bet d misses away on the matches passed so far
// is d + 1 away from the other two signs of the next. Planes from the top,
// so that each reads the one below it before that one changes.
template <typename T>
void SpreadForward(const MissPlanes<T>& planes, std::size_t begin, std::size_t end, std::size_t stride) {
    for (int d = PrizeCategories - 1; d > 0; --d) SpreadLines(planes[d], planes[d - 1], begin, end, stride);
}

// Its adjoint: weights on results, d misses from a result, carried back to
// the columns d - 1 misses from it on the remaining matches.
template <typename T>
void SpreadBack(const MissPlanes<T>& planes, std::size_t begin, std::size_t end, std::size_t stride) {
    for (int d = 0; d + 1 < PrizeCategories; ++d) SpreadLines(planes[d], planes[d + 1], begin, end, stride);
}

// The threads a count over `work` items runs on: at least 1.
int ThreadsFor(const ChanceControl& control, std::size_t work);

// Runs work(block, thread) for blocks 0..count-1 on ThreadsFor(control,
// count) threads, numbered from 0, each block once, in no fixed order: work
// writes what it finds into a slot of its block's own so that sums taken
// afterwards in block order do not depend on timing. False when cancelled.
bool ForEachBlock(std::size_t count, const ChanceControl& control,
                  const std::function<void(std::size_t, int)>& work, double progressFrom = 0,
                  double progressTo = 1);

// Runs work(begin, end) over [0, count) cut in one range a thread, on up
// to `control.threads` threads.
void ForEachRange(std::size_t count, const ChanceControl& control,
                  const std::function<void(std::size_t, std::size_t)>& work);
