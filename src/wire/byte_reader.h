#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtEndian>
#include <cstring>

namespace wire {

[[noreturn]] void throwProtocolError(const QString& message);

/// Bounds-checked little-endian reading of wire data. Every read checks the remaining length
/// first and throws wire::Error (EProtocolError) when the data ends too early.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView data) : begin_(data.data()), pos_(0), size_(data.size()) {}

    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return size_ - pos_; }
    bool atEnd() const { return pos_ == size_; }

    quint8 u8() { return static_cast<quint8>(*take(1)); }
    quint16 u16() { return qFromLittleEndian<quint16>(take(2)); }
    quint32 u32() { return qFromLittleEndian<quint32>(take(4)); }
    qint32 i32() { return qFromLittleEndian<qint32>(take(4)); }
    qint64 i64() { return qFromLittleEndian<qint64>(take(8)); }
    double f64() {
        const quint64 bits = qFromLittleEndian<quint64>(take(8));
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    /// The next `count` bytes, without copying.
    QByteArrayView bytes(qint64 count) {
        const char* start = take(count);
        return QByteArrayView(start, qsizetype(count));
    }
    /// A u32 length followed by that many bytes.
    QByteArrayView lengthPrefixed() { return bytes(u32()); }

    /// Throws unless every byte has been read (a length that disagrees with its content).
    void expectEnd(const char* what) const;

private:
    const char* take(qint64 count) {
        if (count < 0 || count > remaining())
            throwShort(count);
        const char* start = begin_ + pos_;
        pos_ += qsizetype(count);
        return start;
    }
    [[noreturn]] void throwShort(qint64 count) const;

    const char* begin_;
    qsizetype pos_;
    qsizetype size_;
};

/// Little-endian appending to a QByteArray.
class ByteWriter {
public:
    explicit ByteWriter(QByteArray& out) : out_(out) {}

    void u8(quint8 value) { out_.append(char(value)); }
    void u16(quint16 value) { put(value); }
    void u32(quint32 value) { put(value); }
    void i32(qint32 value) { put(value); }
    void i64(qint64 value) { put(value); }
    void f64(double value) {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        put(bits);
    }
    void bytes(QByteArrayView data) { out_.append(data.data(), data.size()); }
    /// A u32 length followed by the bytes; data longer than 4 GiB - 1 throws.
    void lengthPrefixed(QByteArrayView data);

private:
    template <class T>
    void put(T value) {
        char raw[sizeof(T)];
        qToLittleEndian(value, raw);
        out_.append(raw, sizeof(T));
    }

    QByteArray& out_;
};

}  // namespace wire
