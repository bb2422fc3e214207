// Decoding and encoding of the columnar table form against memcpy of the same bytes and against
// QJsonDocument parsing the same table written as JSON. The BM_Ratios run measures all of them
// side by side and reports the ratios and the memory figure as counters.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <algorithm>
#include <cstring>
#include <ctime>

#include "wire/client_table.h"
#include "wire/table_codec.h"

using namespace wire;

namespace {

constexpr int kRows = 100000;

/// A small deterministic generator, so every run measures the same table.
class Lcg {
public:
    quint32 next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return quint32(state_ >> 33);
    }
    int below(int n) { return int(next() % quint32(n)); }

private:
    quint64 state_ = 0x5eed;
};

const char* const kWords[] = {"FREN",    "BALATASI", "ÖN",    "ARKA",    "AMORTİSÖR", "FİLTRE",
                              "YAĞ",     "HAVA",     "POLEN", "DİSK",    "KAYIŞ",     "TRİGER",
                              "SOL",     "SAĞ",      "CONTA", "RULMAN",  "BUJİ",      "DEBRİYAJ",
                              "SETİ",    "RADYATÖR", "SU",    "POMPASI", "AKÜ",       "FAR",
                              "SİLECEK", "AYNA",     "KAPI",  "KOLU",    "TAKIM",     "ÇAMURLUK"};
const char* const kBrands[] = {"BOSCH", "VALEO", "SACHS", "MANN", "LEMFÖRDER", "FEBİ", "NGK"};

QString words(Lcg& rng, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i)
            text += u' ';
        text += QString::fromUtf8(kWords[rng.below(std::size(kWords))]);
    }
    return text;
}

QString code(Lcg& rng, int letters, int digits) {
    QString text;
    for (int i = 0; i < letters; ++i)
        text += QChar(u'A' + rng.below(26));
    for (int i = 0; i < digits; ++i)
        text += QChar(u'0' + rng.below(10));
    return text;
}

/// 40 columns: 13 text, 9 integer, 2 long integer, 10 real, 3 date, 3 boolean; some nulls.
ClientTable mixedTable() {
    QList<ColumnDef> columns;
    for (int c = 0; c < 40; ++c) {
        FieldType type;
        if (c % 3 == 1)
            type = FieldType::Text;
        else if (c < 14)
            type = c == 3 || c == 11 ? FieldType::LongInteger : FieldType::Integer;
        else if (c < 30)
            type = FieldType::Real;
        else if (c < 36)
            type = c % 2 ? FieldType::Date : FieldType::Boolean;
        else
            type = FieldType::Real;
        columns.append({QStringLiteral("ALAN%1").arg(c), type, type == FieldType::Text ? 60 : 0});
    }
    int textColumns = 0;
    for (const ColumnDef& def : columns)
        textColumns += def.type == FieldType::Text;
    Q_ASSERT(textColumns == 13);

    ClientTable table;
    table.defineColumns(columns);
    table.reserveRows(kRows);
    Lcg rng;
    QVariantList row(columns.size());
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            const bool null = c % 5 == 0 && rng.below(20) == 0;
            if (null) {
                row[c] = QVariant();
                continue;
            }
            switch (columns.at(c).type) {
                case FieldType::Integer:
                    row[c] = rng.below(100000);
                    break;
                case FieldType::LongInteger:
                    row[c] = qint64(rng.next()) * 1000;
                    break;
                case FieldType::Real:
                    row[c] = rng.below(10000000) / 100.0;
                    break;
                case FieldType::Date:
                    row[c] = 44000.0 + rng.below(2000);
                    break;
                case FieldType::Boolean:
                    row[c] = rng.below(2) == 1;
                    break;
                case FieldType::Text:
                    switch (c % 4) {
                        case 0:
                            row[c] = code(rng, 3, 6 + rng.below(5));
                            break;
                        case 1:
                            row[c] = words(rng, 2 + rng.below(5));
                            break;
                        case 2:
                            row[c] = QString::fromUtf8(kBrands[rng.below(std::size(kBrands))]);
                            break;
                        default:
                            row[c] = rng.below(3) ? code(rng, 0, 13) : QString();
                            break;
                    }
                    break;
            }
        }
        table.appendRow(row);
    }
    return table;
}

/// The same table as JSON: an array of row arrays.
QByteArray asJson(const ClientTable& table) {
    QByteArray json;
    json.reserve(64 << 20);
    json += '[';
    for (int r = 0; r < table.rowCount(); ++r) {
        json += r ? ",[" : "[";
        for (int c = 0; c < table.columnCount(); ++c) {
            if (c)
                json += ',';
            if (table.isNull(r, c)) {
                json += "null";
                continue;
            }
            switch (table.column(c).type) {
                case FieldType::Text:
                    json += '"';
                    json += table.utf8At(r, c);  // the generated texts need no escaping
                    json += '"';
                    break;
                case FieldType::Boolean:
                    json += table.booleanAt(r, c) ? "true" : "false";
                    break;
                case FieldType::Integer:
                case FieldType::LongInteger:
                    json += QByteArray::number(table.longIntegerAt(r, c));
                    break;
                default:
                    json += QByteArray::number(table.realAt(r, c), 'g', 17);
            }
        }
        json += ']';
    }
    json += ']';
    return json;
}

struct Fixture {
    ClientTable table = mixedTable();
    QByteArray wireBytes = encodeTable(table);
    QByteArray json = asJson(table);
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void runMemcpy(const QByteArray& source, QByteArray& target) {
    std::memcpy(target.data(), source.constData(), size_t(source.size()));
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
}

void runDecode(const QByteArray& bytes) {
    ClientTable table = decodeTable(bytes);
    benchmark::DoNotOptimize(table.rowCount());
}

void runJson(const QByteArray& json) {
    QJsonDocument document = QJsonDocument::fromJson(json);
    benchmark::DoNotOptimize(document.isArray());
}

void runEncode(const ClientTable& table) {
    QByteArray bytes = encodeTable(table);
    benchmark::DoNotOptimize(bytes.data());
}

void BM_Memcpy(benchmark::State& state) {
    const Fixture& f = fixture();
    QByteArray target(f.wireBytes.size(), Qt::Uninitialized);
    for (auto _ : state)
        runMemcpy(f.wireBytes, target);
    state.SetBytesProcessed(state.iterations() * f.wireBytes.size());
}

void BM_Decode(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state)
        runDecode(f.wireBytes);
    state.SetBytesProcessed(state.iterations() * f.wireBytes.size());
}

void BM_DecodeFromView(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        ClientTable table = decodeTable(QByteArrayView(f.wireBytes));
        benchmark::DoNotOptimize(table.rowCount());
    }
    state.SetBytesProcessed(state.iterations() * f.wireBytes.size());
}

void BM_QJsonDocument(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state)
        runJson(f.json);
    state.SetBytesProcessed(state.iterations() * f.wireBytes.size());
    state.counters["json_bytes"] = double(f.json.size());
}

void BM_Encode(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state)
        runEncode(f.table);
    state.SetBytesProcessed(state.iterations() * f.wireBytes.size());
}

double threadSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

/// Best of `repeats` runs of `work`, in seconds of this thread's CPU time (kernel time such as
/// page faults included), so other processes on a busy machine do not skew the ratios.
template <class Work>
double bestSeconds(int repeats, Work work) {
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        const double start = threadSeconds();
        work();
        best = std::min(best, threadSeconds() - start);
    }
    return best;
}

/// All four operations measured in one run, reported as ratios.
void BM_Ratios(benchmark::State& state) {
    const Fixture& f = fixture();
    QByteArray target(f.wireBytes.size(), Qt::Uninitialized);
    double memcpyS = 0, decodeS = 0, jsonS = 0, encodeS = 0;
    for (auto _ : state) {
        memcpyS = bestSeconds(20, [&] { runMemcpy(f.wireBytes, target); });
        decodeS = bestSeconds(20, [&] { runDecode(f.wireBytes); });
        jsonS = bestSeconds(2, [&] { runJson(f.json); });
        encodeS = bestSeconds(10, [&] { runEncode(f.table); });
    }
    const double bytes = double(f.wireBytes.size());
    state.counters["wire_MB"] = bytes / 1e6;
    state.counters["memcpy_GBps"] = bytes / memcpyS / 1e9;
    state.counters["decode_GBps"] = bytes / decodeS / 1e9;
    state.counters["qjson_GBps"] = bytes / jsonS / 1e9;
    state.counters["encode_GBps"] = bytes / encodeS / 1e9;
    state.counters["decode_vs_memcpy"] = memcpyS / decodeS;  // target >= 0.3
    state.counters["decode_vs_qjson"] = jsonS / decodeS;     // target >= 20
    state.counters["encode_vs_decode"] = decodeS / encodeS;  // target >= 0.5
    const ClientTable decoded = decodeTable(f.wireBytes);
    state.counters["memory_vs_wire"] = double(decoded.memoryBytes()) / bytes;  // target <= 1.5
}

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeFromView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QJsonDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ratios)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
