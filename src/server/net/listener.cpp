#include "server/net/listener.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "server/net/frame_reader.h"
#include "server/net/request_handler.h"
#include "wire/error.h"
#include "wire/frame.h"

namespace server {
namespace {

qint64 nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Connection {
    explicit Connection(int socket) : fd(socket), reader(wire::kMaxRequestBytes) {}
    int fd;
    FrameReader reader;
    qint64 deadline = 0;
    bool busy = false;  // a worker owns it: the I/O thread neither reads nor closes it
};

struct Job {
    Connection* connection;
    QByteArray payload;
};

struct Completion {
    Connection* connection;
    bool keepOpen;
};

/// Writes all of data, waiting for the socket at most timeoutMs in all. False when the peer went
/// away or did not take the data in time.
bool writeAll(int fd, const char* data, qsizetype size, int timeoutMs) {
    const qint64 end = nowMs() + timeoutMs;
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (n > 0) {
            data += n;
            size -= n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const qint64 left = end - nowMs();
            if (left <= 0)
                return false;
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, int(left)) < 0 && errno != EINTR)
                return false;
            continue;
        }
        return false;
    }
    return true;
}

QByteArray errorFrame(const char* className, const QString& message) {
    return wire::encodeErrorFrame(wire::Failure{QString::fromLatin1(className), message});
}

}  // namespace

struct Listener::Impl {
    Impl(ListenerOptions o, RequestHandler& h) : options(std::move(o)), handler(h) {}

    ListenerOptions options;
    RequestHandler& handler;
    int listenFd = -1;
    int epollFd = -1;
    int wakeFd = -1;
    std::atomic<bool> stopping{false};

    std::vector<std::unique_ptr<Connection>> byFd;  // I/O thread only
    int open = 0;
    int inFlight = 0;

    std::mutex jobMutex;
    std::condition_variable jobReady;
    std::deque<Job> jobs;
    bool workersStop = false;
    std::vector<std::thread> workers;

    std::mutex doneMutex;
    std::vector<Completion> done;

    void wake() {
        const quint64 one = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeFd, &one, sizeof one);
    }

    void watch(Connection* c, bool reading) {
        epoll_event ev{};
        ev.events = reading ? EPOLLIN | EPOLLRDHUP : 0;
        ev.data.fd = c->fd;
        ::epoll_ctl(epollFd, EPOLL_CTL_MOD, c->fd, &ev);
    }

    void closeConnection(Connection* c) {
        const int fd = c->fd;
        ::epoll_ctl(epollFd, EPOLL_CTL_DEL, fd, nullptr);
        ::close(fd);
        byFd[size_t(fd)].reset();
        --open;
    }

    void refuse(Connection* c, const char* className, const QString& message) {
        const QByteArray frame = errorFrame(className, message);
        // Best effort without waiting: a client that sends garbage gets no worker's time.
        [[maybe_unused]] ssize_t n =
            ::send(c->fd, frame.constData(), size_t(frame.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        closeConnection(c);
    }

    void acceptAll() {
        // A bounded batch: with clients reconnecting as fast as they are served, an endless accept
        // loop would never get back to the answers and closes waiting in the event loop.
        for (int batch = 0; batch < 32; ++batch) {
            const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EINTR)
                    continue;
                return;  // EAGAIN, or out of descriptors: try again on the next event
            }
            if (open >= options.maxConnections || stopping.load()) {
                const QByteArray frame =
                    errorFrame("EServerBusy",
                               QStringLiteral("the server has too many connections; try again"));
                [[maybe_unused]] ssize_t n = ::send(fd, frame.constData(), size_t(frame.size()),
                                                    MSG_NOSIGNAL | MSG_DONTWAIT);
                ::close(fd);
                continue;
            }
            const int one = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            if (byFd.size() <= size_t(fd))
                byFd.resize(size_t(fd) + 64);
            byFd[size_t(fd)] = std::make_unique<Connection>(fd);
            Connection* c = byFd[size_t(fd)].get();
            c->deadline = nowMs() + options.idleTimeoutMs;
            ++open;
            epoll_event ev{};
            ev.events = EPOLLIN | EPOLLRDHUP;
            ev.data.fd = fd;
            ::epoll_ctl(epollFd, EPOLL_CTL_ADD, fd, &ev);
            readFrom(c);  // the request often arrives with the connection
        }
    }

    void readFrom(Connection* c) {
        char buffer[64 * 1024];
        for (;;) {
            const qsizetype want = std::min<qsizetype>(c->reader.wanted(), sizeof buffer);
            const ssize_t n = ::recv(c->fd, buffer, size_t(want), 0);
            if (n == 0) {
                closeConnection(c);
                return;
            }
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                if (errno != EAGAIN && errno != EWOULDBLOCK)
                    closeConnection(c);
                return;
            }
            const bool wasEmpty = c->reader.state() == FrameReader::State::Empty;
            switch (c->reader.feed(buffer, n)) {
                case FrameReader::State::Refused:
                    refuse(c, wire::kProtocolErrorClass, c->reader.refusal());
                    return;
                case FrameReader::State::Complete:
                    dispatch(c);
                    return;
                default:
                    if (wasEmpty)
                        c->deadline = nowMs() + options.frameTimeoutMs;
            }
        }
    }

    void dispatch(Connection* c) {
        c->busy = true;
        watch(c, false);
        ++inFlight;
        {
            std::lock_guard lock(jobMutex);
            jobs.push_back(Job{c, c->reader.takePayload()});
        }
        jobReady.notify_one();
    }

    void finishCompleted() {
        std::vector<Completion> batch;
        {
            std::lock_guard lock(doneMutex);
            batch.swap(done);
        }
        for (const Completion& d : batch) {
            --inFlight;
            Connection* c = d.connection;
            c->busy = false;
            if (!d.keepOpen || stopping.load()) {
                closeConnection(c);
                continue;
            }
            c->deadline = nowMs() + options.idleTimeoutMs;
            watch(c, true);
        }
    }

    void closeExpired() {
        const qint64 now = nowMs();
        for (auto& slot : byFd)
            if (slot && !slot->busy && now > slot->deadline)
                closeConnection(slot.get());
    }

    void closeIdle() {
        for (auto& slot : byFd)
            if (slot && !slot->busy)
                closeConnection(slot.get());
    }

    void workerLoop() {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(jobMutex);
                jobReady.wait(lock, [&] { return workersStop || !jobs.empty(); });
                if (jobs.empty())
                    break;
                job = std::move(jobs.front());
                jobs.pop_front();
            }
            const QByteArray answer = handler.handle(job.payload);
            job.payload = QByteArray();
            const bool written = writeAll(job.connection->fd, answer.constData(), answer.size(),
                                          options.writeTimeoutMs);
            {
                std::lock_guard lock(doneMutex);
                done.push_back(Completion{job.connection, written});
            }
            wake();
        }
        handler.threadFinished();
    }
};

Listener::Listener(ListenerOptions options, RequestHandler& handler)
    : d_(std::make_unique<Impl>(std::move(options), handler)) {}

Listener::~Listener() {
    for (auto& slot : d_->byFd)
        if (slot)
            ::close(slot->fd);
    if (d_->listenFd >= 0)
        ::close(d_->listenFd);
    if (d_->epollFd >= 0)
        ::close(d_->epollFd);
    if (d_->wakeFd >= 0)
        ::close(d_->wakeFd);
}

quint16 Listener::bind() {
    QString host = d_->options.host;
    if (host == u"localhost")
        host = QStringLiteral("127.0.0.1");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(d_->options.port);
    if (::inet_pton(AF_INET, host.toLatin1().constData(), &addr.sin_addr) != 1)
        throw std::runtime_error("not an IPv4 address: " + host.toStdString());
    d_->listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (d_->listenFd < 0)
        throw std::runtime_error(std::strerror(errno));
    const int one = 1;
    ::setsockopt(d_->listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(d_->listenFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) < 0 ||
        ::listen(d_->listenFd, 4096) < 0)
        throw std::runtime_error("cannot listen on " + host.toStdString() + ":" +
                                 std::to_string(d_->options.port) + ": " + std::strerror(errno));
    socklen_t len = sizeof addr;
    ::getsockname(d_->listenFd, reinterpret_cast<sockaddr*>(&addr), &len);
    d_->options.port = ntohs(addr.sin_port);
    d_->options.host = host;

    d_->epollFd = ::epoll_create1(EPOLL_CLOEXEC);
    d_->wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (d_->epollFd < 0 || d_->wakeFd < 0)
        throw std::runtime_error(std::strerror(errno));
    for (int fd : {d_->listenFd, d_->wakeFd}) {
        epoll_event ev{};
        ev.events = EPOLLIN;
        ev.data.fd = fd;
        ::epoll_ctl(d_->epollFd, EPOLL_CTL_ADD, fd, &ev);
    }
    return d_->options.port;
}

QString Listener::boundHost() const {
    return d_->options.host;
}

void Listener::stop() {
    d_->stopping.store(true);
    if (d_->wakeFd >= 0)
        d_->wake();
}

void Listener::run() {
    Impl& d = *d_;
    for (int i = 0; i < std::max(1, d.options.workers); ++i)
        d.workers.emplace_back([&d] { d.workerLoop(); });

    epoll_event events[256];
    qint64 nextSweep = nowMs() + 200;
    bool listening = true;
    for (;;) {
        const int n = ::epoll_wait(d.epollFd, events, 256, 200);
        for (int i = 0; i < n; ++i) {
            const int fd = events[i].data.fd;
            if (fd == d.listenFd) {
                if (listening)
                    d.acceptAll();
            } else if (fd == d.wakeFd) {
                quint64 count;
                [[maybe_unused]] ssize_t r = ::read(d.wakeFd, &count, sizeof count);
            } else if (size_t(fd) < d.byFd.size() && d.byFd[size_t(fd)] &&
                       !d.byFd[size_t(fd)]->busy) {
                d.readFrom(d.byFd[size_t(fd)].get());
            }
        }
        d.finishCompleted();
        if (nowMs() >= nextSweep) {
            d.closeExpired();
            nextSweep = nowMs() + 200;
        }
        if (d.stopping.load()) {
            if (listening) {
                ::epoll_ctl(d.epollFd, EPOLL_CTL_DEL, d.listenFd, nullptr);
                ::close(d.listenFd);
                d.listenFd = -1;
                listening = false;
            }
            d.closeIdle();
            if (d.inFlight == 0)
                break;
        }
    }
    {
        std::lock_guard lock(d.jobMutex);
        d.workersStop = true;
    }
    d.jobReady.notify_all();
    for (std::thread& t : d.workers)
        t.join();
    d.workers.clear();
}

}  // namespace server
