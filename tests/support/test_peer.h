#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "wire/frame.h"

/// What the test peer does with one request.
struct PeerReply {
    enum class Action { Values, Failure, Raw, Close };

    /// Answers with these values (out parameters, then the return value), whatever they are.
    static PeerReply values(QList<wire::Value> values);
    /// Answers with an error frame.
    static PeerReply failure(const QString& className, const QString& message);
    /// Sends these bytes as they are instead of an answer; then closes the connection unless
    /// `keepOpen`.
    static PeerReply raw(QByteArray bytes, bool keepOpen = false);
    /// Closes the connection without answering.
    static PeerReply close();
    /// The same reply, given after a pause.
    PeerReply after(int ms) const;

    Action action = Action::Values;
    QList<wire::Value> answer;
    wire::Failure error;
    QByteArray bytes;
    bool keepOpen = false;
    int delayMs = 0;
};

using PeerRule = std::function<PeerReply(const wire::Request&)>;

/// A protocol-level server for tests: it listens on a loopback port in threads of its own, answers
/// each request by the rule given for its method and records every request it received. A method
/// without a rule gets the values its catalogue entry declares, each empty or zero (null records,
/// empty tables and streams); an unknown method gets an error frame.
class TestPeer {
public:
    enum Start { Listening, NotListening };

    explicit TestPeer(Start start = Listening);
    ~TestPeer();
    TestPeer(const TestPeer&) = delete;
    TestPeer& operator=(const TestPeer&) = delete;

    /// Starts listening on 127.0.0.1:`port` (0: any free port); returns false when it cannot.
    bool listen(quint16 port = 0);
    bool isListening() const { return port_ != 0; }
    /// The port listened on; 0 before listen().
    quint16 port() const { return port_; }
    /// A loopback port that nobody listens on at the moment.
    static quint16 unusedPort();

    /// The rule for a method, named without the "TServerMethods1." prefix.
    void answer(const QString& method, PeerRule rule);
    void answer(const QString& method, const PeerReply& reply);

    /// Every request received so far, in order.
    QList<wire::Request> requests() const;
    /// The method texts of requests(), e.g. "TServerMethods1.SepetEkle2".
    QStringList methods() const;
    int connectionCount() const;

    /// The answer the peer gives by default: the method's declared values, empty or zero.
    static PeerReply defaultReply(const wire::Request& request);

private:
    class Listener;

    void serve(qintptr socketDescriptor);
    PeerReply replyTo(const wire::Request& request);

    std::atomic<bool> stopping_ = false;
    std::atomic<quint16> port_ = 0;
    std::thread acceptThread_;
    mutable QMutex mutex_;
    QHash<QString, PeerRule> rules_;
    QList<wire::Request> requests_;
    int connections_ = 0;
    std::vector<std::thread> connectionThreads_;
};
