#include "problems/units/unit_families.h"

#include <array>

namespace quill
{

namespace
{

constexpr Conversion times = Conversion::Times;
constexpr Conversion over = Conversion::Over;
constexpr Conversion fraction = Conversion::Fraction;

// Units by tens of the pick (see UnitScheme), and the pairs each family accepts.

constexpr std::array<std::string_view, 5> areaUnits{"平方厘米", "平方分米", "平方米", "公顷",
                                                    "平方千米"};
// 平方米 is only ever the second unit, and the small units never go to the large ones.
constexpr std::array<UnitPair, 8> areaPairs{{
    {"平方厘米", "平方分米", over, 100},
    {"平方厘米", "平方米", over, 10000},
    {"平方分米", "平方厘米", times, 100},
    {"平方分米", "平方米", over, 100},
    {"公顷", "平方千米", over, 100},
    {"公顷", "平方米", times, 10000},
    {"平方千米", "公顷", times, 100},
    {"平方千米", "平方米", times, 1000000},
}};

constexpr std::array<std::string_view, 2> earlyLengthUnits{"米", "厘米"};
constexpr std::array<UnitPair, 2> earlyLengthPairs{{
    {"米", "厘米", times, 100},
    {"厘米", "米", over, 100},
}};
constexpr std::array<std::string_view, 5> lengthUnits{"毫米", "厘米", "分米", "米", "千米"};
// 米 is only ever the second unit; 千米 goes to 米 only, and nothing smaller goes to 千米.
constexpr std::array<UnitPair, 10> lengthPairs{{
    {"毫米", "厘米", over, 10},
    {"毫米", "分米", over, 100},
    {"毫米", "米", over, 1000},
    {"厘米", "分米", over, 10},
    {"厘米", "米", over, 100},
    {"厘米", "毫米", times, 10},
    {"分米", "厘米", times, 10},
    {"分米", "米", over, 10},
    {"分米", "毫米", times, 100},
    {"千米", "米", times, 1000},
}};

constexpr std::array<std::string_view, 3> volumeUnits{"立方厘米", "立方分米", "立方米"};
constexpr std::array<UnitPair, 6> volumePairs{{
    {"立方厘米", "立方分米", over, 1000},
    {"立方厘米", "立方米", over, 1000000},
    {"立方分米", "立方厘米", times, 1000},
    {"立方分米", "立方米", over, 1000},
    {"立方米", "立方厘米", times, 1000000},
    {"立方米", "立方分米", times, 1000},
}};

constexpr std::array<std::string_view, 5> capacityUnits{"立方厘米", "立方分米", "立方米", "升",
                                                        "毫升"};
constexpr std::array<UnitPair, 20> capacityPairs{{
    {"立方厘米", "立方分米", over, 1000},
    {"立方厘米", "立方米", over, 1000000},
    {"立方厘米", "毫升", times, 1},
    {"立方厘米", "升", over, 1000},
    {"立方分米", "立方厘米", times, 1000},
    {"立方分米", "立方米", over, 1000},
    {"立方分米", "毫升", times, 1000},
    {"立方分米", "升", times, 1},
    {"立方米", "立方厘米", times, 1000000},
    {"立方米", "立方分米", times, 1000},
    {"立方米", "毫升", times, 1000000},
    {"立方米", "升", times, 1000},
    {"毫升", "立方分米", over, 1000},
    {"毫升", "立方米", over, 1000000},
    {"毫升", "立方厘米", times, 1},
    {"毫升", "升", over, 1000},
    {"升", "立方厘米", times, 1000},
    {"升", "立方米", over, 1000},
    {"升", "毫升", times, 1000},
    {"升", "立方分米", times, 1},
}};

constexpr std::array<std::string_view, 3> moneyUnits{"元", "角", "分"};
constexpr std::array<UnitPair, 6> moneyPairs{{
    {"元", "角", times, 10},
    {"元", "分", times, 100},
    {"角", "元", over, 10},
    {"角", "分", times, 10},
    {"分", "元", over, 100},
    {"分", "角", over, 10},
}};

// The first grades know no 吨; their third tenth of picks names no unit.
constexpr std::array<std::string_view, 3> earlyMassUnits{"克", "千克", ""};
constexpr std::array<std::string_view, 3> massUnits{"克", "千克", "吨"};
// Both ends go to 千克, the unit in the middle.
constexpr std::array<UnitPair, 2> massPairs{{
    {"克", "千克", over, 1000},
    {"吨", "千克", times, 1000},
}};

// Time counts 1 个月 as 30 日 or 4 个星期 and 1 年 as 365 日 or 52 个星期, as the note on the
// sheet says. 月 is a month named by its number (2 月 is February), 个月 a number of months.
constexpr std::array<std::string_view, 3> earlyTimeUnits{"秒", "分", "时"};
constexpr std::array<UnitPair, 6> earlyTimePairs{{
    {"秒", "时", fraction, 3600},
    {"秒", "分", fraction, 60},
    {"分", "时", fraction, 60},
    {"分", "秒", times, 60},
    {"时", "秒", times, 3600},
    {"时", "分", times, 60},
}};
constexpr std::array<std::string_view, 11> timeUnits{
    "秒", "分", "时", "日", "月", "个月", "年", "个星期", "个旬", "个季度", "个世纪"};
// 个旬 is only ever the second unit.
constexpr std::array<UnitPair, 25> timePairs{{
    {"秒", "时", fraction, 3600},
    {"秒", "分", fraction, 60},
    {"分", "时", fraction, 60},
    {"分", "秒", times, 60},
    {"时", "秒", times, 3600},
    {"时", "日", fraction, 24},
    {"日", "年", fraction, 365},
    {"日", "个月", fraction, 30},
    {"日", "时", times, 24},
    {"日", "个星期", fraction, 7},
    {"月", "日", Conversion::MonthDays},
    {"个月", "年", fraction, 12},
    {"个月", "日", times, 30},
    {"个月", "个旬", times, 3},
    {"个月", "个星期", times, 4},
    {"个星期", "日", times, 7},
    {"个季度", "个月", times, 3},
    {"个季度", "年", over, 4},
    {"年", "个月", times, 12},
    {"年", "日", times, 365},
    {"年", "个星期", times, 52},
    {"年", "个季度", times, 4},
    {"年", "个旬", times, 36},
    {"年", "个世纪", over, 100},
    {"个世纪", "年", times, 100},
}};

constexpr UnitScheme areaScheme{49, 50, areaUnits, areaPairs};
constexpr UnitScheme earlyLengthScheme{19, 20, earlyLengthUnits, earlyLengthPairs};
constexpr UnitScheme lengthScheme{49, 50, lengthUnits, lengthPairs};
constexpr UnitScheme volumeScheme{29, 30, volumeUnits, volumePairs};
constexpr UnitScheme capacityScheme{49, 50, capacityUnits, capacityPairs};
constexpr UnitScheme moneyScheme{29, 30, moneyUnits, moneyPairs};
constexpr UnitScheme earlyMassScheme{19, 20, earlyMassUnits, massPairs};
constexpr UnitScheme massScheme{29, 30, massUnits, massPairs};
constexpr UnitScheme earlyTimeScheme{29, 30, earlyTimeUnits, earlyTimePairs};
constexpr UnitScheme timeScheme{109, 109, timeUnits, timePairs, true};

// Grade list indexes: 4 is 二年级下学期, 5 三年级上学期.
constexpr int lastSecondGradeTerm = 4;
constexpr int firstThirdGradeTerm = 5;

} // namespace

const UnitFamily areaFamily{areaScheme};
const UnitFamily lengthFamily{lengthScheme, &earlyLengthScheme, lastSecondGradeTerm};
const UnitFamily volumeFamily{volumeScheme};
const UnitFamily moneyFamily{moneyScheme};
const UnitFamily timeFamily{timeScheme, &earlyTimeScheme, firstThirdGradeTerm};
const UnitFamily capacityFamily{capacityScheme};
const UnitFamily massFamily{massScheme, &earlyMassScheme, lastSecondGradeTerm};

} // namespace quill
