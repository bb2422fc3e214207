#include "wire/client_table.h"

#include <QDateTime>
#include <QSet>

#include "wire/client_table_storage.h"
#include "wire/error.h"
#include "wire/ole_date.h"

namespace wire {

// --- column types ------------------------------------------------------------------------

QString fieldTypeName(FieldType type) {
    switch (type) {
        case FieldType::Integer:
            return QStringLiteral("integer");
        case FieldType::LongInteger:
            return QStringLiteral("longinteger");
        case FieldType::Real:
            return QStringLiteral("real");
        case FieldType::Date:
            return QStringLiteral("date");
        case FieldType::Boolean:
            return QStringLiteral("boolean");
        case FieldType::Text:
            return QStringLiteral("text");
    }
    return QStringLiteral("type %1").arg(int(type));
}

bool isFloatingPoint(FieldType type) {
    return type == FieldType::Real;
}

int fixedWidth(FieldType type) {
    switch (type) {
        case FieldType::Integer:
            return 4;
        case FieldType::LongInteger:
        case FieldType::Real:
        case FieldType::Date:
            return 8;
        case FieldType::Boolean:
            return 1;
        case FieldType::Text:
            return 0;
    }
    return 0;
}

// --- one column --------------------------------------------------------------------------

ColumnData ColumnData::empty(FieldType type) {
    ColumnData column;
    column.type = type;
    if (type == FieldType::Text)
        column.ownOffsets = QByteArray(4, '\0');
    column.pointAtOwn();
    return column;
}

void ColumnData::pointAtOwn() {
    nulls = ownNulls.isEmpty() ? nullptr : reinterpret_cast<const uchar*>(ownNulls.constData());
    values = ownValues.constData();
    offsets = type == FieldType::Text ? ownOffsets.constData() : nullptr;
}

void ColumnData::makeOwned(int rows) {
    if (isOwned())
        return;
    ownNulls =
        nulls ? QByteArray(reinterpret_cast<const char*>(nulls), (rows + 7) / 8) : QByteArray();
    ownValues = QByteArray(values, valueBytes(rows));
    ownOffsets =
        type == FieldType::Text ? QByteArray(offsets, 4 * (qsizetype(rows) + 1)) : QByteArray();
    backing = QByteArray();
    pointAtOwn();
}

void setNullBit(ColumnData& column, int row, int rows, bool null) {
    if (!null && column.ownNulls.isEmpty())
        return;
    const qsizetype needed = (qsizetype(rows) + 7) / 8;
    if (column.ownNulls.size() < needed)
        column.ownNulls.resize(needed, '\0');
    char& byte = column.ownNulls[row >> 3];
    const char bit = char(1 << (row & 7));
    byte = null ? char(byte | bit) : char(byte & ~bit);
}

namespace {

template <class T>
void writeFixed(char* at, T value) {
    qToLittleEndian(value, at);
}

void writeDouble(char* at, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeFixed(at, bits);
}

double variantToOleDate(const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::QDateTime:
            return dateTimeToOleDate(value.toDateTime());
        case QMetaType::QDate:
            return dateToOleDate(value.toDate());
        default:
            return value.toDouble();
    }
}

QByteArray variantToUtf8(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QByteArray)
        return value.toByteArray();
    return value.toString().toUtf8();
}

/// Writes a non-null value converted to the column type into a fixed-width slot.
void writeFixedValue(FieldType type, char* at, const QVariant& value) {
    switch (type) {
        case FieldType::Integer:
            writeFixed<qint32>(at, value.toInt());
            break;
        case FieldType::LongInteger:
            writeFixed<qint64>(at, value.toLongLong());
            break;
        case FieldType::Real:
            writeDouble(at, value.toDouble());
            break;
        case FieldType::Date:
            writeDouble(at, variantToOleDate(value));
            break;
        case FieldType::Boolean:
            *at = value.toBool() ? 1 : 0;
            break;
        case FieldType::Text:
            break;
    }
}

}  // namespace

void appendCell(ColumnData& column, int row, const QVariant& value) {
    const bool null = !value.isValid() || value.isNull();
    setNullBit(column, row, row + 1, null);
    if (column.type == FieldType::Text) {
        if (!null)
            column.ownValues.append(variantToUtf8(value));
        char end[4];
        writeFixed<quint32>(end, quint32(column.ownValues.size()));
        column.ownOffsets.append(end, 4);
    } else {
        const int width = fixedWidth(column.type);
        column.ownValues.resize(column.ownValues.size() + width, '\0');
        if (!null)
            writeFixedValue(column.type, column.ownValues.data() + qsizetype(row) * width, value);
    }
}

namespace {

QString formatPlainly(FieldType type, const ColumnData& column, int row) {
    switch (type) {
        case FieldType::Integer:
            return QString::number(column.fixedAt<qint32>(row));
        case FieldType::LongInteger:
            return QString::number(column.fixedAt<qint64>(row));
        case FieldType::Real:
            return QString::number(column.doubleAt(row), 'g', 15);
        case FieldType::Date: {
            const QDateTime when = oleDateToDateTime(column.doubleAt(row));
            return when.time().msecsSinceStartOfDay() == 0
                       ? when.date().toString(Qt::ISODate)
                       : when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        }
        case FieldType::Boolean:
            return column.values[row] ? QStringLiteral("true") : QStringLiteral("false");
        case FieldType::Text:
            return QString::fromUtf8(column.utf8(row));
    }
    return QString();
}

}  // namespace

// --- the table ---------------------------------------------------------------------------

ClientTable::ClientTable() : d_(std::make_unique<Storage>()) {}
ClientTable::~ClientTable() = default;
ClientTable::ClientTable(const ClientTable& other) : d_(std::make_unique<Storage>(*other.d_)) {}
ClientTable& ClientTable::operator=(const ClientTable& other) {
    if (this != &other)
        *d_ = *other.d_;
    return *this;
}
ClientTable::ClientTable(ClientTable&& other) noexcept : d_(std::move(other.d_)) {
    other.d_ = std::make_unique<Storage>();
}
ClientTable& ClientTable::operator=(ClientTable&& other) noexcept {
    std::swap(d_, other.d_);
    return *this;
}

ClientTable::Storage& ClientTable::storage() {
    return *d_;
}
const ClientTable::Storage& ClientTable::storage() const {
    return *d_;
}

const QList<ColumnDef>& ClientTable::columns() const {
    return d_->columns;
}
int ClientTable::columnCount() const {
    return int(d_->columns.size());
}
const ColumnDef& ClientTable::column(int col) const {
    return d_->columns.at(col);
}

int ClientTable::columnIndex(QStringView name) const {
    for (int i = 0; i < d_->columns.size(); ++i)
        if (name.compare(d_->columns.at(i).name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int ClientTable::rowCount() const {
    return d_->rows;
}
bool ClientTable::isOpen() const {
    return d_->open;
}

void ClientTable::close() {
    for (ColumnData& column : d_->data)
        column = ColumnData::empty(column.type);
    d_->rows = 0;
    d_->open = false;
}

void ClientTable::defineColumns(QList<ColumnDef> columns) {
    d_->data.clear();
    for (const ColumnDef& def : columns)
        d_->data.append(ColumnData::empty(def.type));
    d_->displayFormats = QList<QString>(columns.size());
    d_->columns = std::move(columns);
    d_->rows = 0;
    d_->open = true;
}

void ClientTable::reserveRows(int rows) {
    for (ColumnData& column : d_->data) {
        column.makeOwned(d_->rows);
        if (column.type == FieldType::Text) {
            column.ownOffsets.reserve(4 * (qsizetype(rows) + 1));
        } else {
            column.ownValues.reserve(qsizetype(rows) * fixedWidth(column.type));
        }
        column.pointAtOwn();
    }
}

void ClientTable::appendRow(const QVariantList& values) {
    const int row = d_->rows;
    for (int col = 0; col < d_->data.size(); ++col) {
        ColumnData& column = d_->data[col];
        column.makeOwned(row);
        appendCell(column, row, col < values.size() ? values.at(col) : QVariant());
        column.pointAtOwn();
    }
    d_->rows = row + 1;
}

bool ClientTable::isNull(int row, int col) const {
    Q_ASSERT(row >= 0 && row < d_->rows);
    return d_->data.at(col).isNull(row);
}

qint32 ClientTable::integerAt(int row, int col) const {
    const ColumnData& column = d_->data.at(col);
    if (column.type == FieldType::Integer)
        return column.fixedAt<qint32>(row);
    return qint32(numberAt(row, col));
}

qint64 ClientTable::longIntegerAt(int row, int col) const {
    const ColumnData& column = d_->data.at(col);
    if (column.type == FieldType::LongInteger)
        return column.fixedAt<qint64>(row);
    if (column.type == FieldType::Integer)
        return column.fixedAt<qint32>(row);
    return qint64(numberAt(row, col));
}

double ClientTable::realAt(int row, int col) const {
    return numberAt(row, col);
}

bool ClientTable::booleanAt(int row, int col) const {
    const ColumnData& column = d_->data.at(col);
    if (column.type == FieldType::Boolean)
        return column.values[row] != 0;
    return numberAt(row, col) != 0;
}

QByteArrayView ClientTable::utf8At(int row, int col) const {
    const ColumnData& column = d_->data.at(col);
    Q_ASSERT(column.type == FieldType::Text);
    if (column.type != FieldType::Text)
        return QByteArrayView();
    return column.utf8(row);
}

QString ClientTable::textAt(int row, int col) const {
    const ColumnData& column = d_->data.at(col);
    if (column.isNull(row))
        return QString();
    return formatPlainly(column.type, column, row);
}

double ClientTable::numberAt(int row, int col) const {
    const ColumnData& column = d_->data.at(col);
    switch (column.type) {
        case FieldType::Integer:
            return column.fixedAt<qint32>(row);
        case FieldType::LongInteger:
            return double(column.fixedAt<qint64>(row));
        case FieldType::Real:
        case FieldType::Date:
            return column.doubleAt(row);
        case FieldType::Boolean:
            return column.values[row] ? 1 : 0;
        case FieldType::Text:
            return QString::fromUtf8(column.utf8(row)).toDouble();
    }
    return 0;
}

QVariant ClientTable::valueAt(int row, int col) const {
    const ColumnData& column = d_->data.at(col);
    if (column.isNull(row))
        return QVariant();
    switch (column.type) {
        case FieldType::Integer:
            return column.fixedAt<qint32>(row);
        case FieldType::LongInteger:
            return column.fixedAt<qint64>(row);
        case FieldType::Real:
            return column.doubleAt(row);
        case FieldType::Date:
            return oleDateToDateTime(column.doubleAt(row));
        case FieldType::Boolean:
            return column.values[row] != 0;
        case FieldType::Text:
            return QString::fromUtf8(column.utf8(row));
    }
    return QVariant();
}

void ClientTable::setValue(int row, int col, const QVariant& value) {
    Q_ASSERT(row >= 0 && row < d_->rows);
    ColumnData& column = d_->data[col];
    column.makeOwned(d_->rows);
    const bool null = !value.isValid() || value.isNull();
    setNullBit(column, row, d_->rows, null);
    if (column.type == FieldType::Text) {
        const QByteArray utf8 = null ? QByteArray() : variantToUtf8(value);
        const quint32 begin = column.offset(row);
        const quint32 end = column.offset(row + 1);
        column.ownValues.replace(begin, end - begin, utf8);
        const qint64 delta = qint64(utf8.size()) - qint64(end - begin);
        if (delta != 0) {
            char* offsets = column.ownOffsets.data();
            for (int r = row + 1; r <= d_->rows; ++r) {
                char* at = offsets + 4 * qsizetype(r);
                writeFixed<quint32>(at, quint32(qFromLittleEndian<quint32>(at) + delta));
            }
        }
    } else {
        char* at = column.ownValues.data() + qsizetype(row) * fixedWidth(column.type);
        std::memset(at, 0, fixedWidth(column.type));
        if (!null)
            writeFixedValue(column.type, at, value);
    }
    column.pointAtOwn();
}

QString ClientTable::displayFormat(int col) const {
    return d_->displayFormats.at(col);
}

void ClientTable::setDisplayFormat(int col, const QString& format) {
    d_->displayFormats[col] = format;
}

void ClientTable::loadFromReader(const ClientTable& reader) {
    if (&reader == this) {
        const ClientTable copy(reader);
        loadFromReader(copy);
        return;
    }
    close();
    Storage& mine = *d_;
    const Storage& theirs = reader.storage();
    const int kept = int(mine.columns.size());
    for (int i = 0; i < kept && i < theirs.columns.size(); ++i) {
        if (mine.columns.at(i).name.compare(theirs.columns.at(i).name, Qt::CaseInsensitive) != 0)
            throw Error(QString::fromLatin1(kDatabaseErrorClass),
                        QStringLiteral("Additional columns must be added after the prescribed "
                                       "columns."));
    }
    for (int i = kept; i < theirs.columns.size(); ++i) {
        mine.columns.append(theirs.columns.at(i));
        mine.data.append(ColumnData::empty(theirs.columns.at(i).type));
        mine.displayFormats.append(QString());
    }
    const int rows = theirs.rows;
    for (int i = 0; i < mine.columns.size(); ++i) {
        ColumnData& column = mine.data[i];
        if (i < theirs.columns.size() && theirs.data.at(i).type == column.type) {
            column = theirs.data.at(i);  // shares the reader's bytes
            continue;
        }
        // A kept column of another type takes converted values; one the reader lacks is null.
        column = ColumnData::empty(column.type);
        for (int row = 0; row < rows; ++row)
            appendCell(column, row,
                       i < theirs.columns.size() ? reader.valueAt(row, i) : QVariant());
        column.pointAtOwn();
    }
    mine.rows = rows;
    mine.open = true;
}

void ClientTable::assignPacket(const ClientTable& packet) {
    if (&packet == this)
        return;
    *d_ = packet.storage();
    d_->displayFormats = QList<QString>(d_->columns.size());
    d_->open = true;
}

qsizetype ClientTable::memoryBytes() const {
    qsizetype bytes = sizeof(ClientTable) + sizeof(Storage);
    QSet<const char*> backings;
    for (int i = 0; i < d_->columns.size(); ++i) {
        const ColumnData& column = d_->data.at(i);
        bytes += qsizetype(sizeof(ColumnDef) + sizeof(ColumnData) + sizeof(QString)) +
                 d_->columns.at(i).name.capacity() * 2 + d_->displayFormats.at(i).capacity() * 2 +
                 column.ownNulls.capacity() + column.ownValues.capacity() +
                 column.ownOffsets.capacity();
        if (!column.backing.isNull() && !backings.contains(column.backing.constData())) {
            backings.insert(column.backing.constData());
            bytes += column.backing.capacity();
        }
    }
    return bytes;
}

}  // namespace wire
