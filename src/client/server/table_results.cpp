#include "client/server/table_results.h"

#include <QIODevice>

#include "client/server/row_reader.h"

void loadTable(wire::ClientTable& table, const RowReader& reader) {
    table.loadFromReader(reader.rows());
}

void loadTable(wire::ClientTable& table, const std::shared_ptr<const wire::ClientTable>& packet) {
    table.assignPacket(packet ? *packet : wire::ClientTable());
}

QByteArray receiveStream(QIODevice* stream, qint64 announcedSize) {
    if (!stream || announcedSize == 0)
        return {};
    stream->seek(0);
    constexpr qint64 kBlock = 1024;
    char block[kBlock];
    QByteArray content;
    qint64 got = 0;
    do {
        got = stream->read(block, kBlock);
        if (got > 0)
            content.append(block, got);
    } while (got == kBlock);
    if (content.size() != announcedSize)
        return {};
    return content;
}
