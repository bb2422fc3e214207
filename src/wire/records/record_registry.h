#pragma once

#include <QString>
#include <vector>

#include "wire/records/record_class.h"

namespace wire {

/// Every record class that can travel, in a fixed order.
const std::vector<const RecordClass*>& recordClasses();

/// The class of a "module.Class" type name; nullptr when no class has that name.
const RecordClass* findRecordClass(const QString& typeName);

}  // namespace wire
