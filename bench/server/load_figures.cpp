#include "load_figures.h"

#include <algorithm>
#include <cmath>

void LoadFigures::addLatency(double ms) {
    std::lock_guard lock(mutex_);
    latencies_.push_back(ms);
}

void LoadFigures::addFailure(const QString& what) {
    std::lock_guard lock(mutex_);
    if (failures_++ < 10)
        firstFailures_ << what;
}

int LoadFigures::count() const {
    std::lock_guard lock(mutex_);
    return int(latencies_.size());
}

int LoadFigures::failures() const {
    std::lock_guard lock(mutex_);
    return failures_;
}

QStringList LoadFigures::firstFailures() const {
    std::lock_guard lock(mutex_);
    return firstFailures_;
}

double LoadFigures::percentileMs(double fraction) const {
    std::vector<double> sorted;
    {
        std::lock_guard lock(mutex_);
        sorted = latencies_;
    }
    if (sorted.empty())
        return 0;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = std::size_t(std::ceil(fraction * double(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}
