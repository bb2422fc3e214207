#pragma once

#include <QIODevice>
#include <QString>
#include <memory>

#include "client/server/row_reader.h"
#include "client/server/server_methods_client.h"
#include "server_fixture.h"
#include "wire/channel.h"
#include "wire/records/sonuc_bilgisi.h"

/// One open connection to a fixture's server with the client's proxy on it, and the login
/// records of the demo users.
struct ServerSession {
    explicit ServerSession(const ServerFixture& fixture) {
        channel.open(fixture.host(), fixture.port());
        proxy = std::make_unique<TServerMethods1Client>(&channel);
    }

    /// The login record of a demo computer, as the client holds it after the login.
    TSonucBilgisi login(const QString& computerId) {
        TSonucBilgisi record;
        record.Kopyala(*proxy->BuyukGetir(computerId));
        return record;
    }

    /// A fresh copy for one call (the call consumes it).
    static TSonucBilgisi* copy(const TSonucBilgisi& record) {
        auto* c = new TSonucBilgisi;
        c->Kopyala(record);
        return c;
    }

    static QByteArray readAll(QIODevice* stream) {
        return stream ? stream->readAll() : QByteArray();
    }

    wire::Channel channel;
    std::unique_ptr<TServerMethods1Client> proxy;
};

/// The rows of a reader as a client table, with column lookup by name.
struct Rows {
    explicit Rows(RowReader* reader) : table(reader->rows()) {}
    explicit Rows(const std::shared_ptr<const wire::ClientTable>& packet) : table(*packet) {}
    int count() const { return table.rowCount(); }
    QVariant at(int row, const char* column) const {
        const int col = table.columnIndex(QString::fromLatin1(column));
        Q_ASSERT_X(col >= 0, "Rows::at", column);
        return table.valueAt(row, col);
    }
    double number(int row, const char* column) const { return at(row, column).toDouble(); }
    int integer(int row, const char* column) const { return at(row, column).toInt(); }
    QString text(int row, const char* column) const { return at(row, column).toString(); }
    wire::ClientTable table;
};
