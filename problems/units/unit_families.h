#pragma once

// The seven families of the 单位换算 menu, each an item generator of the run: so many of one
// unit equal how many of another (value1//unit1//value2//unit2).

#include <string>

namespace quill
{

struct Workspace;
struct UnitFamily;

std::string makeAreaItem(Workspace& work, int s, int e);
std::string makeLengthItem(Workspace& work, int s, int e);
std::string makeVolumeItem(Workspace& work, int s, int e);
std::string makeMoneyItem(Workspace& work, int s, int e);
std::string makeTimeItem(Workspace& work, int s, int e);
std::string makeCapacityItem(Workspace& work, int s, int e);
std::string makeMassItem(Workspace& work, int s, int e);

// The tables behind the generators, for tests that check them against each other.
extern const UnitFamily areaFamily, lengthFamily, volumeFamily, moneyFamily, timeFamily,
    capacityFamily, massFamily;

} // namespace quill
