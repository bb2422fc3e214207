#include <QDir>
#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "identity.h"
#include "system_root.h"

namespace {

// As many adapters as the adapter list of the original system had room for.
constexpr int kMaxAdapters = 3;
constexpr int kLoopbackType = 772;  // ARPHRD_LOOPBACK
constexpr int kLoopbackFlag = 0x8;  // IFF_LOOPBACK
constexpr int kRandomAddress = 1;   // NET_ADDR_RANDOM of addr_assign_type
const QString kZeroAddress = QStringLiteral("00-00-00-00-00-00");

struct Adapter {
    int index = 0;
    QString address;  ///< "AA-BB-CC-DD-EE-FF"
};

std::optional<int> readNumber(const QString& path) {
    const auto text = readSystemFile(path);
    if (!text) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = text->trimmed().toInt(&ok, 0);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool isLoopback(const QString& dir) {
    return readNumber(dir + QLatin1String("/type")) == kLoopbackType ||
           (readNumber(dir + QLatin1String("/flags")).value_or(0) & kLoopbackFlag) != 0;
}

/// The first six bytes of the hardware address "aa:bb:...", or nullopt when it has fewer.
std::optional<QString> sixByteAddress(const QString& dir) {
    const auto text = readSystemFile(dir + QLatin1String("/address"));
    if (!text) {
        return std::nullopt;
    }
    const QList<QByteArray> bytes = text->trimmed().split(':');
    if (bytes.size() < 6) {
        return std::nullopt;
    }
    QStringList pairs;
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const uint value = bytes[i].toUInt(&ok, 16);
        if (!ok || value > 0xff) {
            return std::nullopt;
        }
        pairs << QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    }
    return pairs.join(QLatin1Char('-'));
}

/// Network adapters with a lasting hardware address, loopback excluded, in interface index order.
std::vector<Adapter> adaptersInIndexOrder() {
    const QString netDir = QStringLiteral("sys/class/net");
    std::vector<Adapter> adapters;
    const QStringList names =
        QDir(systemPath(netDir)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QString dir = netDir + QLatin1Char('/') + name;
        // A random address is made anew each time the interface is created (ifb, veth, ...);
        // an identifier built from it would not survive a restart.
        if (isLoopback(dir) ||
            readNumber(dir + QLatin1String("/addr_assign_type")) == kRandomAddress) {
            continue;
        }
        if (const auto address = sixByteAddress(dir)) {
            adapters.push_back(
                {readNumber(dir + QLatin1String("/ifindex")).value_or(INT_MAX), *address});
        }
    }
    std::stable_sort(adapters.begin(), adapters.end(),
                     [](const Adapter& a, const Adapter& b) { return a.index < b.index; });
    return adapters;
}

}  // namespace

QString MacAdresiAl() {
    QString result;
    const std::vector<Adapter> adapters = adaptersInIndexOrder();
    const int count = std::min<int>(int(adapters.size()), kMaxAdapters);
    for (int i = 0; i < count; ++i) {
        result = adapters[size_t(i)].address;
        if (result != kZeroAddress) {
            break;
        }
    }
    return result;
}
