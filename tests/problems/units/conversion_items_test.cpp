#include "problems/units/unit_conversion.h"
#include "problems/units/unit_families.h"
#include "problems/units/unit_item.h"
#include "problems/units/unit_scheme.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <optional>
#include <regex>
#include <set>

namespace quill
{
namespace
{

// Exact rational numbers for checking answers against value × factor.
using Big = __int128;
struct Exact {
    Big num = 0;
    Big den = 1;
};

Exact times(Exact a, Exact b)
{
    return {a.num * b.num, a.den * b.den};
}

bool same(Exact a, Exact b)
{
    return a.num * b.den == b.num * a.den;
}

Big tenTo(long n)
{
    Big p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// "37.5", "0.0000374", "3/2": the number a text writes, exactly; none for other texts (E
// notation included, which no sheet shows).
std::optional<Exact> exact(const std::string& text)
{
    static const std::regex number(R"((\d+)(?:\.(\d+))?(?:/(\d+))?)");
    std::smatch m;
    if (!std::regex_match(text, m, number))
        return std::nullopt;
    Exact x{std::stoll(m[1].str() + m[2].str()), tenTo(m[2].length())};
    if (m[3].matched)
        x.den *= std::stoll(m[3].str());
    return x;
}

// Unit sizes written down independently of the generators' tables. Time has two ladders, by
// seconds and by 旬, joined by the conventions the sheet's note states.
const std::map<std::string, std::map<std::string, long long>> ladders{
    {"area",
     {{"平方厘米", 1},
      {"平方分米", 100},
      {"平方米", 10000},
      {"公顷", 100000000},
      {"平方千米", 10000000000}}},
    {"length", {{"毫米", 1}, {"厘米", 10}, {"分米", 100}, {"米", 1000}, {"千米", 1000000}}},
    {"volume",
     {{"立方厘米", 1}, {"毫升", 1}, {"立方分米", 1000}, {"升", 1000}, {"立方米", 1000000}}},
    {"money", {{"分", 1}, {"角", 10}, {"元", 100}}},
    {"mass", {{"克", 1}, {"千克", 1000}, {"吨", 1000000}}},
    {"seconds", {{"秒", 1}, {"分", 60}, {"时", 3600}, {"日", 86400}, {"个星期", 604800}}},
    {"tendays", {{"个旬", 1}, {"个月", 3}, {"个季度", 9}, {"年", 36}, {"个世纪", 3600}}},
};
const std::map<std::pair<std::string, std::string>, long long> timeBridges{
    {{"个月", "日"}, 30}, {{"年", "日"}, 365}, {{"个月", "个星期"}, 4}, {{"年", "个星期"}, 52}};

std::optional<Exact> factor(const std::string& ladderName, const std::string& from,
                            const std::string& to)
{
    const bool time = ladderName == "time";
    for (const auto& [name, sizes] : ladders) {
        if ((name == "seconds" || name == "tendays") != time || (!time && name != ladderName))
            continue;
        if (sizes.contains(from) && sizes.contains(to))
            return Exact{sizes.at(from), sizes.at(to)};
    }
    if (const auto bridge = timeBridges.find({from, to}); time && bridge != timeBridges.end())
        return Exact{bridge->second, 1};
    if (const auto bridge = timeBridges.find({to, from}); time && bridge != timeBridges.end())
        return Exact{1, bridge->second};
    return std::nullopt;
}

struct Family {
    std::string name; // its ladder
    const UnitFamily* family;
};

const Family area{"area", &areaFamily};
const Family length{"length", &lengthFamily};
const Family volume{"volume", &volumeFamily};
const Family capacity{"volume", &capacityFamily};
const Family money{"money", &moneyFamily};
const Family mass{"mass", &massFamily};
const Family timeUnits{"time", &timeFamily};

// Which pairs each family accepts, as its rules say; time lists its pairs outright.
bool inSet(const std::string& unit, std::initializer_list<const char*> units)
{
    return std::find(units.begin(), units.end(), unit) != units.end();
}

const std::map<std::string, std::string> allowedTimeUnits{
    {"年", " 日 个月 个星期 个旬 个季度 个世纪 "},
    {"个月", " 日 年 个星期 个旬 "},
    {"月", " 日 "},
    {"日", " 时 年 个月 个星期 "},
    {"时", " 秒 日 "},
    {"分", " 秒 时 "},
    {"秒", " 分 时 "},
    {"个星期", " 日 "},
    {"个季度", " 个月 年 "},
    {"个世纪", " 年 "}};

bool accepted(const Family& f, bool early, const std::string& a, const std::string& b)
{
    if (a == b)
        return false;
    if (f.family == &areaFamily)
        return (inSet(a, {"公顷", "平方千米"}) && !inSet(b, {"平方厘米", "平方分米"})) ||
               (inSet(a, {"平方厘米", "平方分米"}) && !inSet(b, {"平方千米", "公顷"}));
    if (f.family == &lengthFamily && !early)
        return (a == "千米" && b == "米") || (inSet(a, {"毫米", "厘米", "分米"}) && b != "千米");
    if (f.family == &massFamily)
        return (a == "吨" && b != "克") || (a == "克" && b != "吨");
    if (f.family == &timeFamily && !early)
        return allowedTimeUnits.contains(a) &&
               allowedTimeUnits.at(a).find(" " + b + " ") != std::string::npos;
    return true;
}

class ConversionTables : public ::testing::TestWithParam<Family>
{
};

// Every pair of units a scheme can pick is accepted exactly when the family's rule says so,
// and converts 7 of the first unit into exactly 7 × its size in the second.
TEST_P(ConversionTables, AcceptTheRulesPairsAndConvertByTheUnitSizes)
{
    const Family& f = GetParam();
    for (const bool early : {false, true}) {
        if (early && !f.family->earlyScheme)
            continue;
        const UnitScheme& scheme = early ? *f.family->earlyScheme : f.family->scheme;
        for (const std::string_view a : scheme.units)
            for (const std::string_view b : scheme.units) {
                if (a.empty() || b.empty())
                    continue;
                const std::string from(a), to(b);
                const UnitPair* pair = findPair(scheme, a, b);
                ASSERT_EQ(pair != nullptr, accepted(f, early, from, to)) << from << "→" << to;
                if (!pair || from == "月")
                    continue;
                const auto k = factor(f.name, from, to);
                ASSERT_TRUE(k) << from << "→" << to;
                const auto answer = exact(convertedText(*pair, "7"));
                ASSERT_TRUE(answer) << from << "→" << to;
                EXPECT_TRUE(same(*answer, times({7, 1}, *k))) << from << "→" << to;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, ConversionTables,
                         ::testing::Values(area, length, volume, capacity, money, mass, timeUnits));

struct DrawCase {
    Family family;
    int grade = 0;
    int places = -1; // decimals of that many places; -1 whole numbers with 整数
    int s = 1, e = 100;
    std::set<std::string> units{}; // when given, the only units items may use
};

class DrawnItems : public ::testing::TestWithParam<DrawCase>
{
};

bool whole(const std::string& text)
{
    return text.find_first_not_of("0123456789") == std::string::npos;
}

// Many items drawn: no field is empty, no unit stands with itself, every answer is the value
// times the factor exactly (fractions in lowest terms, and only ever as the answer), months
// are whole, named by 1..12,
// never read back; 整数 gives whole numbers only; grade tables keep to their units; items are
// read both ways.
TEST_P(DrawnItems, AreExactCompleteAndWithinTheirSettings)
{
    const DrawCase& c = GetParam();
    testing::TestApplication t(7);
    ExerciseSettings& s = t.app.settings;
    s.grade.index = c.grade;
    s.decimals.checked = c.places >= 0;
    s.wholeNumbers.checked = c.places < 0;
    s.operandPlaces.index = std::max(c.places, 0);
    int forward = 0, backward = 0;
    Draw draw = t.app.draw();
    for (int i = 0; i < 1500; ++i) {
        const UnitItem item = makeConversionItem(draw, *c.family.family, {c.s, c.e});
        const std::string text = unitItemText(item);
        ASSERT_EQ(parseUnitItem(text), item) << text;
        ASSERT_FALSE(item.value.empty() || item.unit.empty() || item.answer.empty() ||
                     item.answerUnit.empty())
            << text;
        ASSERT_NE(item.unit, item.answerUnit) << text;
        ASSERT_NE(item.answerUnit, "月") << text;
        ASSERT_EQ(item.value.find('/'), std::string::npos) << "a fraction only as answer: " << text;
        if (!c.units.empty()) {
            ASSERT_TRUE(c.units.contains(item.unit) && c.units.contains(item.answerUnit)) << text;
        }
        if (c.places < 0) {
            ASSERT_TRUE(whole(item.value) && (whole(item.answer) || item.answer == "28或29"))
                << text;
        }
        if (item.unit == "月") {
            ASSERT_TRUE(whole(item.value) && std::stoi(item.value) >= 1 &&
                        std::stoi(item.value) <= 12)
                << text;
            ASSERT_EQ(item.answer, monthDaysText(std::stoi(item.value))) << text;
            continue;
        }
        const auto value = exact(item.value), answer = exact(item.answer);
        const auto k = factor(c.family.name, item.unit, item.answerUnit);
        ASSERT_TRUE(value && answer && k) << text;
        ASSERT_TRUE(same(*answer, times(*value, *k))) << text;
        if (const size_t slash = item.answer.find('/'); slash != std::string::npos) {
            ASSERT_EQ(std::gcd(std::stoll(item.answer.substr(0, slash)),
                               std::stoll(item.answer.substr(slash + 1))),
                      1)
                << text;
        }
        (same(*k, {1, 1}) ? forward : (k->num > k->den ? forward : backward))++;
    }
    EXPECT_GT(forward, 0);
    EXPECT_GT(backward, 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, DrawnItems,
                         ::testing::Values(DrawCase{area}, DrawCase{length}, DrawCase{volume},
                                           DrawCase{capacity}, DrawCase{money}, DrawCase{mass},
                                           DrawCase{timeUnits}, DrawCase{area, 0, 2},
                                           DrawCase{length, 0, 1, 1, 1000}, DrawCase{volume, 0, 4},
                                           DrawCase{capacity, 0, 3}, DrawCase{money, 0, 1, 0, 5},
                                           DrawCase{mass, 0, 2}, DrawCase{timeUnits, 0, 1, 0, 20},
                                           DrawCase{timeUnits, 0, 2, 0, 3},
                                           DrawCase{timeUnits, 0, -1, 0, 12},
                                           DrawCase{length, 3, -1, 1, 100, {"米", "厘米"}},
                                           DrawCase{mass, 4, 1, 1, 100, {"克", "千克"}},
                                           DrawCase{timeUnits, 5, -1, 1, 100, {"秒", "分", "时"}},
                                           DrawCase{timeUnits, 1, -1, 0, 200, {"秒", "分", "时"}}));

TEST(ReducedQuotient, IsTheExactQuotientInLowestTerms)
{
    const std::tuple<double, int, std::string> rows[] = {
        {120, 60, "2"},    {7, 60, "7/60"},   {90, 60, "3/2"},   {0, 60, ""},    {5, 0, ""},
        {2.5, 60, "1/24"}, {0.25, 4, "1/16"}, {7200, 3600, "2"}, {365, 365, "1"}};
    for (const auto& [value, divisor, text] : rows)
        EXPECT_EQ(reducedQuotientText(value, divisor), text) << value << "/" << divisor;
}

TEST(MonthDays, NameTheDaysOfWholeMonthsOnly)
{
    const UnitPair month{"月", "日", Conversion::MonthDays};
    const std::pair<const char*, const char*> rows[] = {{"1", "31"}, {"2", "28或29"}, {"4", "30"},
                                                        {"7", "31"}, {"8", "31"},     {"11", "30"},
                                                        {"12", "31"}};
    for (const auto& [value, days] : rows) {
        EXPECT_TRUE(convertible(month, value));
        EXPECT_EQ(convertedText(month, value), days);
    }
    for (const char* value : {"0", "13", "2.5", ""})
        EXPECT_FALSE(convertible(month, value)) << value;
}

TEST(ConversionItem, AStopEndsADrawThatCanNeverBeKept)
{
    testing::TestApplication t;
    t.app.settings.grade.index = 2; // 克 to 千克 only: with 整数 no answer reaches the value
    t.stopAfter(500);
    Draw draw = t.app.draw();
    makeUnitItem<massFamily>(draw, {1, 100});
    EXPECT_TRUE(t.app.run.stopRequested);
}

} // namespace
} // namespace quill
