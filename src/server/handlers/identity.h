#pragma once

#include <QString>

class TSonucBilgisi;

namespace server {

class Session;

/// The user behind a login record, checked against the database.
struct Caller {
    int sirano = 0;
    int role = 0;
    int carino = 0;  ///< the account the call acts for (checked)
    int saticino = 0;
    QString name;
    bool isStaff() const { return role == 1 || role == 2; }
};

/// A login record is only honoured when its user number, name and password belong to an active
/// user. A customer (role 3, 4) always acts for the own account; staff (role 1, 2) for the
/// account the record names (their chosen account), which must exist. Throws EAccessDenied.
Caller authenticate(Session& db, const TSonucBilgisi& record);

/// Refuses a call whose account parameter differs from the caller's account.
void requireSameAccount(const Caller& caller, int carino);

/// Throws ENotFound when the account does not exist.
void requireAccount(Session& db, int carino);

}  // namespace server
