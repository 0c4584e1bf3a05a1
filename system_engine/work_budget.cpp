#include "work_budget.h"

#include <algorithm>

namespace {

// Reports at most four times a second; the clock is read every few calls.
constexpr auto ReportEvery = std::chrono::milliseconds(250);
constexpr std::uint32_t ClockEvery = 16;

}  // namespace

std::optional<WorkBudget::Clock::time_point> DeadlineIn(double seconds) {
    if (seconds <= 0) return std::nullopt;
    return WorkBudget::Clock::now() +
           std::chrono::duration_cast<WorkBudget::Clock::duration>(std::chrono::duration<double>(seconds));
}

WorkBudget::WorkBudget(std::uint64_t work, std::optional<Clock::time_point> deadline, const std::atomic<bool>* cancel,
                       Report report)
    : work_(work),
      deadline_(deadline),
      cancel_(cancel),
      report_(std::move(report)),
      start_(Clock::now()),
      lastReport_(start_) {}

double WorkBudget::fraction() const {
    if (deadline_) {
        const std::chrono::duration<double> elapsed = Clock::now() - start_;
        const std::chrono::duration<double> whole = *deadline_ - start_;
        return whole.count() <= 0 ? 1.0 : std::min(1.0, elapsed.count() / whole.count());
    }
    return work_ == 0 ? 1.0 : std::min(1.0, static_cast<double>(spent_) / static_cast<double>(work_));
}

void WorkBudget::maybeReport(std::size_t bestSize) {
    if (++calls_ % ClockEvery != 0) return;
    const auto now = Clock::now();
    if (deadline_ && now >= *deadline_) outOfTime_ = true;
    if (report_ && now - lastReport_ >= ReportEvery) {
        lastReport_ = now;
        report_(fraction(), bestSize);
    }
}

bool WorkBudget::poll(std::size_t bestSize) {
    if (cancel_ && cancel_->load(std::memory_order_relaxed)) cancelled_ = true;
    if (!cancelled_) maybeReport(bestSize);
    return !cancelled_;
}

bool WorkBudget::spend(std::uint64_t work, std::size_t bestSize) {
    spent_ += work;
    if (!poll(bestSize)) return false;
    if (superseded_ && superseded_->load(std::memory_order_relaxed)) return false;
    if (deadline_) return !outOfTime_;
    return spent_ < work_;
}
