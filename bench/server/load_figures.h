#pragma once

#include <QString>
#include <QStringList>
#include <mutex>
#include <vector>

/// Latencies and failures gathered by many threads of one load run.
class LoadFigures {
public:
    void addLatency(double ms);
    void addFailure(const QString& what);

    int count() const;
    int failures() const;
    QStringList firstFailures() const;  ///< the first few, for the report
    double percentileMs(double fraction) const;

private:
    mutable std::mutex mutex_;
    std::vector<double> latencies_;
    int failures_ = 0;
    QStringList firstFailures_;
};
