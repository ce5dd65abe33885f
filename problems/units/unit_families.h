#pragma once

// The seven families of the 单位换算 menu: so many of one unit equal how many of another
// (value1//unit1//value2//unit2).

#include "problems/units/unit_scheme.h"

#include <string>

namespace quill
{

extern const UnitFamily areaFamily, lengthFamily, volumeFamily, moneyFamily, timeFamily,
    capacityFamily, massFamily;

// The run's item generator of a family.
template <const UnitFamily& family> std::string makeUnitItem(Workspace& work, int s, int e)
{
    return makeConversionItem(work, family, s, e);
}

} // namespace quill
