#include "search_budget.h"

#include <algorithm>

namespace {

// Reports at most four times a second; the clock is read every few calls.
constexpr auto ReportEvery = std::chrono::milliseconds(250);
constexpr std::uint32_t ClockEvery = 16;

}  // namespace

SearchBudget::SearchBudget(std::uint64_t work, double seconds, const std::atomic<bool>* cancel, Report report)
    : work_(work),
      seconds_(seconds),
      cancel_(cancel),
      report_(std::move(report)),
      start_(std::chrono::steady_clock::now()),
      lastReport_(start_) {}

double SearchBudget::fraction() const {
    if (seconds_ > 0) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
        return std::min(1.0, elapsed.count() / seconds_);
    }
    return work_ == 0 ? 1.0 : std::min(1.0, static_cast<double>(spent_) / static_cast<double>(work_));
}

void SearchBudget::maybeReport(std::size_t bestSize) {
    if (++calls_ % ClockEvery != 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (seconds_ > 0 && std::chrono::duration<double>(now - start_).count() >= seconds_) outOfTime_ = true;
    if (report_ && now - lastReport_ >= ReportEvery) {
        lastReport_ = now;
        report_(fraction(), bestSize);
    }
}

bool SearchBudget::poll(std::size_t bestSize) {
    if (cancel_ && cancel_->load(std::memory_order_relaxed)) cancelled_ = true;
    if (!cancelled_) maybeReport(bestSize);
    return !cancelled_;
}

bool SearchBudget::spend(std::uint64_t work, std::size_t bestSize) {
    spent_ += work;
    if (!poll(bestSize)) return false;
    if (superseded_ && superseded_->load(std::memory_order_relaxed)) return false;
    if (seconds_ > 0) return !outOfTime_;
    return spent_ < work_;
}
