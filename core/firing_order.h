#pragma once
// Reading the firing order: the entries are held as floats and read as whole numbers.
#include "core/design_record.h"

namespace zorvan {

// The cylinder that the firing-order entry j names, or 0 when the entry is not
// the number of one of the design's cylinders.
int FiredCylinder(const EngineDesignRecord& d, int j);

}  // namespace zorvan
