#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "wire/methods/method_call.h"

struct RepeatFigures {
    int calls = 0;
    int failed = 0;
    double seconds = 0;
    double callsPerSecond = 0;
    double p50Ms = 0;
    double p99Ms = 0;
    QString firstError;             ///< "class: message" of the first failure
    bool connectionFailed = false;  ///< the first failure was one of reaching the server
};

/// Makes `calls` calls of the method from `threads` threads, each on a connection of its own
/// opened and closed around the call as the desktop client does. Latency covers open, call and
/// close; percentiles are by nearest rank over the calls that succeeded.
RepeatFigures repeatCalls(const QString& host, quint16 port, const wire::MethodSpec& method,
                          const QList<wire::Value>& arguments, int calls, int threads);

/// {"calls":…,"concurrency":…,"failed":…,"seconds":…,"calls_per_second":…,"p50_ms":…,"p99_ms":…}
QByteArray figuresJson(const RepeatFigures& figures, int threads);
