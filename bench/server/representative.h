#pragma once

#include <QList>
#include <QString>

#include "load_figures.h"
#include "rush_support.h"

/// A basket line as the basket showed it just before its order was sent.
struct ExpectedLine {
    int basketLine = 0;  ///< SIRANO; the order line keeps it
    int stokno = 0;
    double miktar = 0;
    qint64 birimFiyat = 0;  ///< kuruş, like every amount here
    qint64 tutar = 0;
    qint64 netTutar = 0;
    qint64 vergiTutari = 0;
};

/// The lines of a basket (SepetVer2) or of an order (SiparisAyrintisi2), which name their
/// columns alike; an order line's SIRANO is the basket line it came from.
QList<ExpectedLine> linesOf(const wire::ClientTable& table);

/// An order a representative sent and the server accepted.
struct SentOrder {
    int carino = 0;
    QString note;  ///< unique in the run; the order keeps it as the giver's note
    QList<ExpectedLine> lines;
};

/// A line left unmarked on purpose: it must stay in the basket.
struct KeptLine {
    int carino = 0;
    int basketLine = 0;
};

/// Delivery kind, cargo kind and cargo firm every order names.
struct Delivery {
    int teslim = 0;
    int kargo = 0;
    int firma = 0;
};

struct RepresentativeWork {
    QString computerId;
    QList<int> accounts;  ///< no other representative touches these
    int orders = 20;
    int stockItems = 50000;
    QString noteTag;  ///< starts every order note, so a run's orders are told apart
    unsigned seed = 1;
};

struct RepresentativeResult {
    QList<SentOrder> sent;
    QList<KeptLine> kept;
};

/// Empties the baskets of its accounts, then, order after order: adds lines (SepetEkle2),
/// reads the basket (SepetVer2), unmarks one line now and then and marks the others
/// (SepetSecimGuncelle), and sends the order (SiparisKaydet). Every operation has its own
/// connection. Stops at its first failure (recorded in `calls`); the orders sent until then
/// are in the result. `orderCalls` gets the latency of each SiparisKaydet.
RepresentativeResult runRepresentative(const ServerPlace& server, const RepresentativeWork& work,
                                       const Delivery& delivery, LoadFigures& orderCalls);
