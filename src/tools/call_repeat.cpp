#include "call_repeat.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "wire/error.h"

namespace {

double percentile(const std::vector<double>& sorted, double fraction) {
    if (sorted.empty())
        return 0;
    const auto rank = std::size_t(std::ceil(fraction * double(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

RepeatFigures repeatCalls(const QString& host, quint16 port, const wire::MethodSpec& method,
                          const QList<wire::Value>& arguments, int calls, int threads) {
    std::atomic<int> next = 0;
    QMutex mutex;
    std::vector<double> latencies;
    latencies.reserve(std::size_t(calls));
    RepeatFigures figures;
    figures.calls = calls;

    auto work = [&] {
        std::vector<double> mine;
        while (next.fetch_add(1) < calls) {
            QElapsedTimer timer;
            timer.start();
            try {
                wire::Channel channel;
                channel.open(host, port);
                wire::callMethod(channel, method, arguments);
                channel.close();
                mine.push_back(double(timer.nsecsElapsed()) / 1e6);
            } catch (const wire::Error& error) {
                QMutexLocker lock(&mutex);
                if (figures.failed++ == 0) {
                    figures.firstError = error.fullText();
                    figures.connectionFailed =
                        error.className() == QLatin1String(wire::kTransportErrorClass);
                }
            }
        }
        QMutexLocker lock(&mutex);
        latencies.insert(latencies.end(), mine.begin(), mine.end());
    };

    QElapsedTimer wall;
    wall.start();
    std::vector<std::thread> pool;
    for (int i = 0; i < threads; ++i)
        pool.emplace_back(work);
    for (std::thread& thread : pool)
        thread.join();
    figures.seconds = double(wall.nsecsElapsed()) / 1e9;

    std::sort(latencies.begin(), latencies.end());
    figures.callsPerSecond = figures.seconds > 0 ? double(latencies.size()) / figures.seconds : 0;
    figures.p50Ms = percentile(latencies, 0.50);
    figures.p99Ms = percentile(latencies, 0.99);
    return figures;
}

QByteArray figuresJson(const RepeatFigures& figures, int threads) {
    return QStringLiteral(
               "{\"calls\":%1,\"concurrency\":%2,\"failed\":%3,\"seconds\":%4,\"calls_per_second\":"
               "%5,"
               "\"p50_ms\":%6,\"p99_ms\":%7}")
        .arg(figures.calls)
        .arg(threads)
        .arg(figures.failed)
        .arg(figures.seconds, 0, 'f', 3)
        .arg(figures.callsPerSecond, 0, 'f', 1)
        .arg(figures.p50Ms, 0, 'f', 3)
        .arg(figures.p99Ms, 0, 'f', 3)
        .toUtf8();
}
