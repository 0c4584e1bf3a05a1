#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

// How long a search may go on: a count of work (outcomes visited), which
// makes the result the same on every machine, or a deadline on the clock
// when one is asked for. Also polls the cancel flag and reports progress
// now and then, always from the searching thread.
class WorkBudget {
public:
    using Clock = std::chrono::steady_clock;
    using Report = std::function<void(double fraction, std::size_t bestSize)>;

    // A deadline replaces the work count.
    WorkBudget(std::uint64_t work, std::optional<Clock::time_point> deadline, const std::atomic<bool>* cancel,
               Report report);

    // Counts `work` done; false once the search must stop.
    bool spend(std::uint64_t work, std::size_t bestSize);
    // For work that is not searching (a first cover): false once cancelled.
    bool poll(std::size_t bestSize);
    // True once the deadline has passed; reads the clock.
    bool expired() const { return deadline_ && Clock::now() >= *deadline_; }

    // A second flag that ends the search early without cancelling it: the
    // result is no longer wanted.
    void stopWhen(const std::atomic<bool>* superseded) { superseded_ = superseded; }

    bool cancelled() const { return cancelled_; }
    std::uint64_t spent() const { return spent_; }

private:
    double fraction() const;
    void maybeReport(std::size_t bestSize);

    std::uint64_t work_;
    std::optional<Clock::time_point> deadline_;
    const std::atomic<bool>* cancel_;
    const std::atomic<bool>* superseded_ = nullptr;
    Report report_;
    std::uint64_t spent_ = 0;
    std::uint32_t calls_ = 0;
    bool cancelled_ = false;
    bool outOfTime_ = false;
    Clock::time_point start_;
    Clock::time_point lastReport_;
};

// The deadline `seconds` from now, or none for 0.
std::optional<WorkBudget::Clock::time_point> DeadlineIn(double seconds);
