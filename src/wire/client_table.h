#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace wire {

/// Column types of tables on the wire and in memory. The numbers are wire values.
enum class FieldType : quint8 {
    Integer = 1,      ///< signed 32-bit
    LongInteger = 2,  ///< signed 64-bit
    Real = 3,         ///< double (money, rates, quantities)
    Date = 4,         ///< OLE Automation date as a double
    Boolean = 5,
    Text = 6,         ///< UTF-8 in memory, QString only when asked for
};

QString fieldTypeName(FieldType type);  ///< "integer", "longinteger", "real", "date", "boolean", "text"
bool isFloatingPoint(FieldType type);  ///< Real (the money-formatted kind)

struct ColumnDef {
    QString name;
    FieldType type = FieldType::Text;
    qint32 size = 0;  ///< declared width of a text column in characters, 0 otherwise

    bool operator==(const ColumnDef&) const = default;
};

/// The in-memory client table: named, typed columns and rows, stored column by column.
///
/// Text is kept as UTF-8 with offsets and becomes a QString only when a cell is read as text, so
/// a decoded table takes about as much memory as its wire form. The table also carries what the
/// screens attach to it: a display format per column and local edits of single cells (a selection
/// mark, a balance the user typed).
///
/// Not thread-safe; a worker fills a table while no view is attached to it.
class ClientTable {
public:
    ClientTable();
    ~ClientTable();
    ClientTable(const ClientTable&);
    ClientTable& operator=(const ClientTable&);
    ClientTable(ClientTable&&) noexcept;
    ClientTable& operator=(ClientTable&&) noexcept;

    // --- structure
    const QList<ColumnDef>& columns() const;
    int columnCount() const;
    const ColumnDef& column(int col) const;
    int columnIndex(QStringView name) const;  ///< -1 when absent; names compare case-insensitively
    int rowCount() const;
    /// A table is open once columns are defined (by a load or by defineColumns) until close().
    bool isOpen() const;
    void close();  ///< drops rows, keeps the column definitions

    // --- building (server side, tests)
    void defineColumns(QList<ColumnDef> columns);  ///< replaces columns, drops rows, opens
    void reserveRows(int rows);
    /// Appends one row; values are converted to the column types, an invalid QVariant is null.
    void appendRow(const QVariantList& values);

    // --- cells (row and col must be in range)
    bool isNull(int row, int col) const;
    qint32 integerAt(int row, int col) const;
    qint64 longIntegerAt(int row, int col) const;
    double realAt(int row, int col) const;  ///< Real and Date
    bool booleanAt(int row, int col) const;
    QByteArrayView utf8At(int row, int col) const;  ///< Text, no copy
    QString textAt(int row, int col) const;        ///< Text; other types formatted plainly
    double numberAt(int row, int col) const;       ///< any numeric or boolean column as double
    QVariant valueAt(int row, int col) const;      ///< typed; null cells give an invalid QVariant
    /// A local edit of one cell (converted to the column type; invalid QVariant sets null).
    void setValue(int row, int col, const QVariant& value);

    // --- display
    QString displayFormat(int col) const;
    void setDisplayFormat(int col, const QString& format);

    // --- loading results
    /// Copies a row reader into this table: closes it, checks the column rule (a defined column must
    /// have the reader's name at its position, else wire::Error with "Additional columns must be
    /// added after the prescribed columns."), adds the reader's further columns, then replaces all
    /// rows with the reader's rows. Display formats of kept columns stay.
    void loadFromReader(const ClientTable& reader);
    /// A table packet replaces columns and rows together.
    void assignPacket(const ClientTable& packet);

    /// Bytes held by this table (for the memory figures).
    qsizetype memoryBytes() const;

    struct Storage;  ///< defined by the implementation (and the codec)

    Storage& storage();
    const Storage& storage() const;

private:
    std::unique_ptr<Storage> d_;
};

}  // namespace wire
