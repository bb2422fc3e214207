#pragma once

#include <memory>
#include <vector>

#include "wire/records/record_class.h"

namespace wire {

/// An object list of records that owns its items and keeps them in the order they were added.
/// In JSON its one field "FItems" is the array of the items.
template <class Item>
class RecordList : public TransferRecord {
public:
    qsizetype Count() const { return qsizetype(FItems.size()); }
    const Item& Items(qsizetype index) const { return *FItems.at(std::size_t(index)); }
    Item& Items(qsizetype index) { return *FItems.at(std::size_t(index)); }
    /// Takes `item`, which must not be null, as the last item.
    Item& Add(std::unique_ptr<Item> item) { return *FItems.emplace_back(std::move(item)); }
    void Clear() { FItems.clear(); }

protected:
    static RecordField itemsField() {
        return recordField<&RecordList::FItems>(QStringLiteral("FItems"));
    }

private:
    std::vector<std::unique_ptr<Item>> FItems;
};

}  // namespace wire
