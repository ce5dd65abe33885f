#pragma once

// The seven families of the 单位换算 menu: so many of one unit equal how many of another
// (value1//unit1//value2//unit2).

#include "problems/units/unit_scheme.h"


namespace quill
{

extern const UnitFamily areaFamily, lengthFamily, volumeFamily, moneyFamily, timeFamily,
    capacityFamily, massFamily;

// The run's item generator of a family.
template <const UnitFamily& family> UnitItem makeUnitItem(Draw& draw, Range range)
{
    return makeConversionItem(draw, family, range);
}

} // namespace quill
