#pragma once

#include <QStringList>
#include <QtGlobal>

namespace server::demo {

/// A small, fixed pseudo-random generator (SplitMix64): the same seed gives the same demo data
/// on every machine and Qt version.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : state_(seed) {}
    quint64 next();
    int between(int low, int high);  ///< inclusive
    double unit();                   ///< [0, 1)
    bool chance(double probability) { return unit() < probability; }
    template <class List>
    const auto& pick(const List& list) {
        return list[between(0, int(list.size()) - 1)];
    }

private:
    quint64 state_;
};

struct PartKind {
    const char* name;
    const char* group;  ///< main group
    int minPrice;       ///< lira
    int maxPrice;
};

const QList<PartKind>& partKinds();
const QStringList& partSides();
const QStringList& partBrands();
const QStringList& vehicleModels();
const QStringList& firstNames();
const QStringList& surnames();
const QStringList& firmSuffixes();
struct Place {
    const char* city;
    const char* district;
    const char* phoneArea;
};
const QList<Place>& places();
const QStringList& streets();

}  // namespace server::demo
