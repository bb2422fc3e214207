#pragma once

#include <QList>
#include <QStringList>

#include "representative.h"

struct AuditResult {
    int found = 0;         ///< sent orders found exactly once with the expected lines
    int lost = 0;          ///< sent orders the server does not list
    int duplicated = 0;    ///< sent orders listed more than once
    int unexpected = 0;    ///< orders of the run that nobody sent
    int wrongLines = 0;    ///< orders whose lines differ from the basket they came from
    int badTotals = 0;     ///< orders whose totals are not the sums of their lines
    int basketFaults = 0;  ///< kept lines gone, or ordered lines still in the basket
    QStringList problems;  ///< the first few, for the report
    bool clean() const {
        return lost + duplicated + unexpected + wrongLines + badTotals + basketFaults == 0;
    }
};

/// Checks through the server's own methods (OncekiSiparisler, SiparisAyrintisi2, SepetVer2)
/// that every sent order exists once, with the lines its basket held, that the order totals
/// are the sums of the line amounts and each line's amounts agree, and that the lines left
/// unmarked are still in the basket.
AuditResult auditOrders(const ServerPlace& server, const QString& noteTag,
                        const QList<SentOrder>& sent, const QList<KeptLine>& kept);
