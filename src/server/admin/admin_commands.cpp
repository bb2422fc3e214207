#include "server/admin/admin_commands.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QSqlQuery>
#include <cstdio>

#include "server/rules/stored_date.h"
#include "server/storage/connection_pool.h"
#include "server/storage/schema.h"
#include "wire/error.h"

namespace server {
namespace {

const char kUsage[] =
    "usage: varlenta-server admin [--database URL] COMMAND [ARGUMENTS]\n"
    "\n"
    "commands:\n"
    "  users                               list users with role, account and computers\n"
    "  user-add NAME PASSWORD ROLE [--account CARINO] [--rep SATICINO] [--inactive]\n"
    "                                      add a user (ROLE 1-2 staff, 3-4 customer)\n"
    "  user-set NAME [--password P] [--role R] [--account CARINO] [--rep SATICINO]\n"
    "           [--active 0|1]             change a user\n"
    "  bind COMPUTERID NAME                let the computer log in as the user\n"
    "  unbind COMPUTERID                   forget a computer identifier\n"
    "  computers                           list the bound computer identifiers\n"
    "  outbox [--limit N]                  list the mails and requests sent by users\n";

void out(const QString& line) {
    std::printf("%s\n", qPrintable(line));
}

[[noreturn]] void fail(const QString& message) {
    throw wire::Error(QStringLiteral("admin"), message);
}

int userNumber(Session& s, const QString& name) {
    const QVariant v = s.scalar("SELECT sirano FROM users WHERE adi = ?", {name});
    if (!v.isValid())
        fail("no user named " + name);
    return v.toInt();
}

void checkRole(int role) {
    if (role < 1 || role > 4)
        fail("the role must be 1, 2, 3 or 4");
}

QVariant optionalNumber(const QCommandLineParser& p, const char* option) {
    if (!p.isSet(option))
        return {};
    bool ok = false;
    const int v = p.value(option).toInt(&ok);
    if (!ok)
        fail(QStringLiteral("--%1 needs a number").arg(QString::fromLatin1(option)));
    return v;
}

void checkAccount(Session& s, const QVariant& carino) {
    if (carino.isValid() &&
        !s.scalar("SELECT carino FROM accounts WHERE carino = ?", {carino}).isValid())
        fail("no account number " + carino.toString());
}

void listUsers(Session& s) {
    QSqlQuery& q = s.run(
        "SELECT u.sirano, u.adi, u.musteritipi, u.aktif, COALESCE(a.carikod, ''), "
        "COALESCE(a.cariadi, ''), COALESCE(u.saticino, 0) FROM users u "
        "LEFT JOIN accounts a ON a.carino = u.carino ORDER BY u.sirano");
    out("NO\tNAME\tROLE\tACTIVE\tACCOUNT\tREP");
    while (q.next())
        out(QStringLiteral("%1\t%2\t%3\t%4\t%5 %6\t%7")
                .arg(q.value(0).toInt())
                .arg(q.value(1).toString())
                .arg(q.value(2).toInt())
                .arg(q.value(3).toInt())
                .arg(q.value(4).toString(), q.value(5).toString())
                .arg(q.value(6).toInt()));
}

void listComputers(Session& s) {
    QSqlQuery& q = s.run(
        "SELECT w.bilgisayarid, u.adi, u.musteritipi, w.eklenme FROM workstations w "
        "JOIN users u ON u.sirano = w.sirano ORDER BY u.sirano, w.bilgisayarid");
    out("COMPUTER\tUSER\tROLE\tSINCE");
    while (q.next())
        out(QStringLiteral("%1\t%2\t%3\t%4")
                .arg(q.value(0).toString(), q.value(1).toString())
                .arg(q.value(2).toInt())
                .arg(q.value(3).toString()));
}

void listOutbox(Session& s, int limit) {
    QSqlQuery& q = s.run(
        "SELECT sirano, tarih, yontem, idsi, baslik, konu, alanlar FROM outbox "
        "ORDER BY sirano DESC LIMIT ?",
        {limit});
    while (q.next()) {
        out(QStringLiteral("#%1 %2 %3 from %4: %5")
                .arg(q.value(0).toInt())
                .arg(q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                     q.value(4).toString()));
        if (!q.value(5).toString().isEmpty())
            out("  " + q.value(5).toString());
        out("  " + q.value(6).toString());
    }
}

int run(const QStringList& arguments) {
    QCommandLineParser p;
    p.addOptions({{"database", "database URL", "URL"},
                  {"account", "account number", "CARINO"},
                  {"rep", "representative number", "SATICINO"},
                  {"inactive", "the user may not log in yet"},
                  {"password", "new password", "P"},
                  {"role", "new role", "R"},
                  {"active", "1 may log in, 0 may not", "0|1"},
                  {"limit", "rows", "N"},
                  {"help", "this text"}});
    QStringList args = arguments;
    args.prepend(QStringLiteral("admin"));
    if (!p.parse(args))
        fail(p.errorText());
    const QStringList pos = p.positionalArguments();
    if (p.isSet("help") || pos.isEmpty()) {
        std::printf("%s", kUsage);
        return pos.isEmpty() && !p.isSet("help") ? 2 : 0;
    }
    const DatabaseUrl url = p.isSet("database") ? DatabaseUrl::parse(p.value("database"))
                                                : DatabaseUrl::defaultLocation();
    ConnectionPool pool(url);
    Session& s = pool.sessionForThisThread();
    migrate(s);
    const QString command = pos[0];
    auto need = [&](int count) {
        if (pos.size() != count + 1)
            fail(command + ": wrong number of arguments\n" + kUsage);
    };

    if (command == u"users") {
        need(0);
        listUsers(s);
    } else if (command == u"computers") {
        need(0);
        listComputers(s);
    } else if (command == u"outbox") {
        need(0);
        listOutbox(s, p.isSet("limit") ? optionalNumber(p, "limit").toInt() : 50);
    } else if (command == u"user-add") {
        need(3);
        bool ok = false;
        const int role = pos[3].toInt(&ok);
        if (!ok)
            fail("ROLE must be a number");
        checkRole(role);
        const QVariant account = optionalNumber(p, "account");
        checkAccount(s, account);
        if (role >= 3 && !account.isValid())
            fail("a customer user (role 3 or 4) needs --account");
        if (pos[2] != pos[2].toUpper())
            out("note: the login field forces upper case, so this password cannot be typed");
        WriteTransaction tx(s);
        if (s.scalar("SELECT sirano FROM users WHERE adi = ?", {pos[1]}).isValid())
            fail("a user named " + pos[1] + " exists; use user-set");
        s.run(
            "INSERT INTO users (adi, sifre, musteritipi, carino, saticino, aktif, gorunen_ad) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)",
            {pos[1], pos[2], role,
             account.isValid() ? account : QVariant(QMetaType::fromType<int>()),
             optionalNumber(p, "rep").isValid() ? optionalNumber(p, "rep")
                                                : QVariant(QMetaType::fromType<int>()),
             p.isSet("inactive") ? 0 : 1, pos[1]});
        tx.commit();
        out("added user " + pos[1]);
    } else if (command == u"user-set") {
        need(1);
        WriteTransaction tx(s);
        const int sirano = userNumber(s, pos[1]);
        if (p.isSet("password"))
            s.run("UPDATE users SET sifre = ? WHERE sirano = ?", {p.value("password"), sirano});
        if (p.isSet("role")) {
            const int role = optionalNumber(p, "role").toInt();
            checkRole(role);
            s.run("UPDATE users SET musteritipi = ? WHERE sirano = ?", {role, sirano});
        }
        if (p.isSet("account")) {
            checkAccount(s, optionalNumber(p, "account"));
            s.run("UPDATE users SET carino = ? WHERE sirano = ?",
                  {optionalNumber(p, "account"), sirano});
        }
        if (p.isSet("rep"))
            s.run("UPDATE users SET saticino = ? WHERE sirano = ?",
                  {optionalNumber(p, "rep"), sirano});
        if (p.isSet("active"))
            s.run("UPDATE users SET aktif = ? WHERE sirano = ?",
                  {optionalNumber(p, "active").toInt() == 1 ? 1 : 0, sirano});
        tx.commit();
        out("changed user " + pos[1]);
    } else if (command == u"bind") {
        need(2);
        WriteTransaction tx(s);
        const int sirano = userNumber(s, pos[2]);
        s.run("DELETE FROM workstations WHERE bilgisayarid = ?", {pos[1]});
        s.run("INSERT INTO workstations (bilgisayarid, sirano, eklenme) VALUES (?, ?, ?)",
              {pos[1], sirano, toStoredDate(QDateTime::currentDateTime())});
        tx.commit();
        out("computer " + pos[1] + " logs in as " + pos[2]);
    } else if (command == u"unbind") {
        need(1);
        WriteTransaction tx(s);
        const bool known =
            s.scalar("SELECT sirano FROM workstations WHERE bilgisayarid = ?", {pos[1]}).isValid();
        s.run("DELETE FROM workstations WHERE bilgisayarid = ?", {pos[1]});
        tx.commit();
        if (!known)
            fail("no computer " + pos[1]);
        out("computer " + pos[1] + " unbound");
    } else {
        fail("unknown command " + command + "\n" + kUsage);
    }
    return 0;
}

}  // namespace

int runAdminCommand(const QStringList& arguments) {
    try {
        return run(arguments);
    } catch (const wire::Error& e) {
        std::fprintf(stderr, "varlenta-server admin: %s\n", qPrintable(e.message()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "varlenta-server admin: %s\n", e.what());
    }
    return 1;
}

}  // namespace server
