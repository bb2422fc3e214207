#include "representative.h"

#include <QSet>
#include <algorithm>
#include <random>
#include <stdexcept>

#include "wire/error.h"

namespace {

struct NewLine {
    int stokno;
    double miktar;
    double fiyat;
    double ind1, ind2;
};

}  // namespace

QList<ExpectedLine> linesOf(const wire::ClientTable& t) {
    const int sirano = columnOf(t, "SIRANO"), stokno = columnOf(t, "STOKNO"),
              miktar = columnOf(t, "MIKTAR"), fiyat = columnOf(t, "BIRIMFIYAT"),
              tutar = columnOf(t, "TUTAR"), net = columnOf(t, "NETTUTAR"),
              vergi = columnOf(t, "VERGITUTARI");
    QList<ExpectedLine> lines;
    for (int r = 0; r < t.rowCount(); ++r) {
        ExpectedLine l;
        l.basketLine = t.integerAt(r, sirano);
        l.stokno = t.integerAt(r, stokno);
        l.miktar = t.numberAt(r, miktar);
        l.birimFiyat = kurus(t.numberAt(r, fiyat));
        l.tutar = kurus(t.numberAt(r, tutar));
        l.netTutar = kurus(t.numberAt(r, net));
        l.vergiTutari = kurus(t.numberAt(r, vergi));
        lines << l;
    }
    return lines;
}

RepresentativeResult runRepresentative(const ServerPlace& server, const RepresentativeWork& work,
                                       const Delivery& delivery, LoadFigures& orderCalls) {
    RepresentativeResult result;
    std::mt19937 random(work.seed);
    auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const double firstRates[] = {0, 10, 25, 40};
    const double secondRates[] = {0, 5};
    QString step;
    try {
        step = QStringLiteral("login");
        const TSonucBilgisi login = fetchLogin(server, work.computerId);
        step = QStringLiteral("SepetHepsiniSil");
        for (int carino : work.accounts) {
            Operation op(server);
            op.proxy->SepetHepsiniSil(loginFor(login, carino));
        }

        QHash<int, QSet<int>> keptItems;  // account → stock numbers of its kept lines
        for (int n = 0; n < work.orders; ++n) {
            const int carino = work.accounts[n % work.accounts.size()];

            step = QStringLiteral("SepetEkle2");
            QList<NewLine> added;
            QSet<int> inBasket = keptItems.value(carino);
            {
                Operation op(server);
                const int count = between(1, 5);
                while (added.size() < count) {
                    const NewLine l{between(1, work.stockItems), double(between(1, 12)),
                                    between(100, 250000) / 100.0, firstRates[between(0, 3)],
                                    secondRates[between(0, 1)]};
                    if (inBasket.contains(l.stokno))
                        continue;
                    inBasket.insert(l.stokno);
                    const qint32 answer = op.proxy->SepetEkle2(
                        loginFor(login, carino), carino, l.stokno, QString(), QString(), l.miktar,
                        0, l.fiyat, l.ind1, login.Sirano(), 0, l.ind2, 0, 0);
                    if (answer != 1)
                        throw std::runtime_error("SepetEkle2 answered " + std::to_string(answer));
                    added << l;
                }
            }

            step = QStringLiteral("SepetVer2/SepetSecimGuncelle");
            SentOrder order;
            order.carino = carino;
            order.note = QStringLiteral("%1 %2 order %3").arg(work.noteTag, work.computerId).arg(n);
            {
                Operation op(server);
                const QList<ExpectedLine> basket = linesOf(*op.proxy->SepetVer2(carino));
                // Leave one fresh line out of the order now and then.
                const bool keepOne = added.size() > 1 && between(0, 2) == 0;
                const int keptStock = keepOne ? added[between(0, int(added.size()) - 1)].stokno : 0;
                for (const ExpectedLine& line : basket) {
                    const auto a = std::find_if(added.begin(), added.end(), [&](const NewLine& x) {
                        return x.stokno == line.stokno;
                    });
                    if (a == added.end())
                        continue;  // a line kept from an earlier order
                    if (line.miktar != a->miktar || line.birimFiyat != kurus(a->fiyat))
                        throw std::runtime_error("the basket line of item " +
                                                 std::to_string(line.stokno) +
                                                 " does not hold what was added");
                    if (line.stokno == keptStock) {
                        op.proxy->SepetSecimGuncelle(line.basketLine, 0);
                        result.kept << KeptLine{carino, line.basketLine};
                        keptItems[carino].insert(line.stokno);
                    } else {
                        op.proxy->SepetSecimGuncelle(line.basketLine, 1);
                        order.lines << line;
                    }
                }
                if (order.lines.size() + (keepOne ? 1 : 0) != added.size())
                    throw std::runtime_error("the basket does not show every added line");
            }

            step = QStringLiteral("SiparisKaydet");
            {
                Operation op(server);
                const double start = nowMs();
                const bool saved = op.proxy->SiparisKaydet(
                    loginFor(login, carino), carino, delivery.teslim, delivery.kargo, order.note,
                    login.Sirano(), delivery.firma);
                orderCalls.addLatency(nowMs() - start);
                if (!saved)
                    throw std::runtime_error("SiparisKaydet answered false");
            }
            result.sent << order;
        }
    } catch (const wire::Error& error) {
        orderCalls.addFailure(work.computerId + u' ' + step + QStringLiteral(": ") +
                              error.fullText());
    } catch (const std::exception& error) {
        orderCalls.addFailure(work.computerId + u' ' + step + QStringLiteral(": ") +
                              QString::fromStdString(error.what()));
    }
    return result;
}
