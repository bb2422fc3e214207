// order_rush: representatives send orders while customers search, all at once against one
// varlenta-server; afterwards every order is checked through the server's own methods.
// Prints the figures and a last line "RESULT key=value ..."; exits 1 when anything failed.

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <atomic>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <thread>

#include "load_figures.h"
#include "order_audit.h"
#include "representative.h"
#include "rush_support.h"
#include "wire/error.h"

namespace {

struct Options {
    ServerPlace server{QStringLiteral("127.0.0.1"), 9090};
    QStringList representatives;  ///< computer identifiers of staff users
    QStringList customers;        ///< computer identifiers of customer users
    int firstAccount = 100;       ///< representatives share out the accounts from here
    int accountsEach = 3;
    int ordersEach = 20;
    int stockItems = 50000;
    QStringList texts = {QStringLiteral("fre"), QStringLiteral("fil"), QStringLiteral("amo"),
                         QStringLiteral("yag"), QStringLiteral("bal"), QStringLiteral("con")};
};

const char* kUsage =
    "usage: order_rush --port P [--host H] --representatives ID,ID,... --customers ID,ID,...\n"
    "                  [--first-account N] [--accounts-each N] [--orders-each N]\n"
    "                  [--stock-items N] [--texts a,b,...]\n";

Options parseOptions(const QStringList& words) {
    Options o;
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        const QString& key = words[i];
        const QString& value = words[i + 1];
        bool ok = true;
        if (key == u"--host")
            o.server.host = value;
        else if (key == u"--port")
            o.server.port = quint16(value.toUInt(&ok));
        else if (key == u"--representatives")
            o.representatives = value.split(u',', Qt::SkipEmptyParts);
        else if (key == u"--customers")
            o.customers = value.split(u',', Qt::SkipEmptyParts);
        else if (key == u"--first-account")
            o.firstAccount = value.toInt(&ok);
        else if (key == u"--accounts-each")
            o.accountsEach = value.toInt(&ok);
        else if (key == u"--orders-each")
            o.ordersEach = value.toInt(&ok);
        else if (key == u"--stock-items")
            o.stockItems = value.toInt(&ok);
        else if (key == u"--texts")
            o.texts = value.split(u',', Qt::SkipEmptyParts);
        else
            throw std::runtime_error("unknown option " + key.toStdString());
        if (!ok)
            throw std::runtime_error("not a number: " + value.toStdString());
    }
    if (words.size() % 2 != 0)
        throw std::runtime_error("option " + words.last().toStdString() + " needs a value");
    if (o.representatives.isEmpty() || o.customers.isEmpty() || o.server.port == 0 ||
        o.texts.isEmpty())
        throw std::runtime_error("--port, --representatives and --customers are needed");
    return o;
}

/// The first delivery kind, and the first cargo kind that has a firm.
Delivery chooseDelivery(const ServerPlace& server) {
    Operation op(server);
    Delivery d;
    const wire::ClientTable& kinds = op.proxy->TeslimVer()->rows();
    if (kinds.rowCount() == 0)
        throw std::runtime_error("the server lists no delivery kind");
    d.teslim = kinds.integerAt(0, columnOf(kinds, "ID"));
    const wire::ClientTable& cargo = op.proxy->KargoVer()->rows();
    for (int r = 0; r < cargo.rowCount() && d.firma == 0; ++r) {
        const int kind = cargo.integerAt(r, columnOf(cargo, "ID"));
        const wire::ClientTable& firms = op.proxy->KargolarVer(kind)->rows();
        if (firms.rowCount() > 0) {
            d.kargo = kind;
            d.firma = firms.integerAt(0, columnOf(firms, "SIRANO"));
        }
    }
    if (d.firma == 0)
        throw std::runtime_error("the server lists no cargo firm");
    return d;
}

/// Searches with one connection per search, like the client, until `stop`.
void searchUntil(const ServerPlace& server, const QString& computerId, const QStringList& texts,
                 unsigned seed, const std::atomic<bool>& stop, LoadFigures& searches,
                 std::atomic<int>& emptyAnswers) {
    std::mt19937 random(seed);
    try {
        const TSonucBilgisi login = fetchLogin(server, computerId);
        while (!stop.load()) {
            const QString& text =
                texts[std::uniform_int_distribution<qsizetype>(0, texts.size() - 1)(random)];
            const double start = nowMs();
            try {
                Operation op(server);
                const auto rows =
                    op.proxy->StokAraGetirVarlenta(text, loginFor(login, login.CARINO()));
                searches.addLatency(nowMs() - start);
                if (!rows || rows->rowCount() == 0)
                    ++emptyAnswers;
            } catch (const wire::Error& error) {
                searches.addFailure(computerId + u' ' + text + QStringLiteral(": ") +
                                    error.fullText());
            }
        }
    } catch (const wire::Error& error) {
        searches.addFailure(computerId + QStringLiteral(" login: ") + error.fullText());
    } catch (const std::exception& error) {
        searches.addFailure(computerId + QStringLiteral(": ") +
                            QString::fromStdString(error.what()));
    }
}

void print(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int run(const Options& o) {
    const Delivery delivery = chooseDelivery(o.server);
    const QString tag =
        QStringLiteral("rush-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    LoadFigures orderCalls, searches;
    std::atomic<bool> stop = false;
    std::atomic<int> emptyAnswers = 0;

    const double start = nowMs();
    std::vector<std::thread> customers;
    for (qsizetype i = 0; i < o.customers.size(); ++i)
        customers.emplace_back([&, i] {
            searchUntil(o.server, o.customers[i], o.texts, unsigned(1000 + i), stop, searches,
                        emptyAnswers);
        });
    std::vector<RepresentativeResult> results(std::size_t(o.representatives.size()));
    std::vector<std::thread> representatives;
    for (qsizetype i = 0; i < o.representatives.size(); ++i)
        representatives.emplace_back([&, i] {
            RepresentativeWork work;
            work.computerId = o.representatives[i];
            for (int a = 0; a < o.accountsEach; ++a)
                work.accounts << o.firstAccount + int(i) * o.accountsEach + a;
            work.orders = o.ordersEach;
            work.stockItems = o.stockItems;
            work.noteTag = tag;
            work.seed = unsigned(1 + i);
            results[std::size_t(i)] = runRepresentative(o.server, work, delivery, orderCalls);
        });
    for (std::thread& t : representatives)
        t.join();
    const double ordersDone = nowMs();
    stop = true;
    for (std::thread& t : customers)
        t.join();
    const double seconds = (ordersDone - start) / 1000.0;

    QList<SentOrder> sent;
    QList<KeptLine> kept;
    int lines = 0;
    for (const RepresentativeResult& r : results) {
        sent += r.sent;
        kept += r.kept;
        for (const SentOrder& s : r.sent)
            lines += int(s.lines.size());
    }
    const AuditResult audit = auditOrders(o.server, tag, sent, kept);
    const int wanted = int(o.representatives.size()) * o.ordersEach;

    print(QStringLiteral("%1 representatives sent %2 of %3 orders (%4 lines, %5 lines kept "
                         "unmarked) in %6 s while %7 customers searched %8 times")
              .arg(o.representatives.size())
              .arg(sent.size())
              .arg(wanted)
              .arg(lines)
              .arg(kept.size())
              .arg(seconds, 0, 'f', 1)
              .arg(o.customers.size())
              .arg(searches.count()));
    print(QStringLiteral("SiparisKaydet p50 %1 ms, p99 %2 ms; StokAraGetirVarlenta under load "
                         "p50 %3 ms, p99 %4 ms, %5 empty answers")
              .arg(orderCalls.percentileMs(0.5), 0, 'f', 2)
              .arg(orderCalls.percentileMs(0.99), 0, 'f', 2)
              .arg(searches.percentileMs(0.5), 0, 'f', 2)
              .arg(searches.percentileMs(0.99), 0, 'f', 2)
              .arg(emptyAnswers.load()));
    for (const QString& p : orderCalls.firstFailures() + searches.firstFailures())
        print(QStringLiteral("error: ") + p);
    for (const QString& p : audit.problems)
        print(QStringLiteral("audit: ") + p);
    const int errors = orderCalls.failures() + searches.failures();
    const bool ok =
        errors == 0 && sent.size() == wanted && audit.clean() && audit.found == sent.size();
    print(QStringLiteral("RESULT ok=%1 errors=%2 orders_wanted=%3 orders_sent=%4 orders_found=%5 "
                         "lost=%6 duplicated=%7 unexpected=%8 wrong_lines=%9 bad_totals=%10 "
                         "basket_faults=%11 searches=%12 search_p50_ms=%13 search_p99_ms=%14 "
                         "order_p50_ms=%15 order_p99_ms=%16 seconds=%17")
              .arg(ok ? 1 : 0)
              .arg(errors)
              .arg(wanted)
              .arg(sent.size())
              .arg(audit.found)
              .arg(audit.lost)
              .arg(audit.duplicated)
              .arg(audit.unexpected)
              .arg(audit.wrongLines)
              .arg(audit.badTotals)
              .arg(audit.basketFaults)
              .arg(searches.count())
              .arg(searches.percentileMs(0.5), 0, 'f', 3)
              .arg(searches.percentileMs(0.99), 0, 'f', 3)
              .arg(orderCalls.percentileMs(0.5), 0, 'f', 3)
              .arg(orderCalls.percentileMs(0.99), 0, 'f', 3)
              .arg(seconds, 0, 'f', 2));
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList words = application.arguments();
    words.removeFirst();
    try {
        return run(parseOptions(words));
    } catch (const wire::Error& error) {
        std::fprintf(stderr, "order_rush: %s\n", error.fullText().toUtf8().constData());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "order_rush: %s\n%s", error.what(), kUsage);
    }
    return 2;
}
