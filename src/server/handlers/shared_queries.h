#pragma once

#include <QString>

#include "server/rules/money.h"

namespace server {

class Session;

struct AccountTotals {
    Kurus borc = 0;
    Kurus alacak = 0;
    Kurus bakiye() const { return borc - alacak; }
};

/// Debit and credit of an account's statement.
AccountTotals accountTotals(Session& db, int carino);
/// "Borçlu", "Alacaklı" or "" for a balance of 0: the word shown after a balance.
QString balanceWord(Kurus bakiye);
/// The discount chain of an account; no discount for 0 or an unknown account.
DiscountChain accountChain(Session& db, int carino);
/// A value of the settings table; fallback when absent.
QString setting(Session& db, const QString& name, const QString& fallback = {});

}  // namespace server
