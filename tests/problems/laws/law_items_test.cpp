#include "problems/exercise_set.h"
#include "problems/laws/law_items.h"
#include "problems/laws/law_operands.h"
#include "support/test_application.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>

namespace quill
{
namespace
{

// Exact rationals, to work the items out independently of the generators.
using Big = __int128;
struct Q {
    Big n = 0;
    Big d = 1;
};

Big gcd(Big a, Big b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b) {
        const Big r = a % b;
        a = b;
        b = r;
    }
    return a;
}

Q reduced(Big n, Big d)
{
    if (d < 0)
        n = -n, d = -d;
    const Big g = gcd(n, d);
    return g ? Q{n / g, d / g} : Q{0, 1};
}

Q operator+(Q a, Q b)
{
    return reduced(a.n * b.d + b.n * a.d, a.d * b.d);
}
Q operator-(Q a, Q b)
{
    return a + Q{-b.n, b.d};
}
Q operator*(Q a, Q b)
{
    return reduced(a.n * b.n, a.d * b.d);
}
Q operator/(Q a, Q b)
{
    EXPECT_NE(b.n, 0) << "a zero divisor";
    return b.n ? reduced(a.n * b.d, a.d * b.n) : Q{};
}
bool operator==(Q a, Q b)
{
    return a.n == b.n && a.d == b.d;
}
bool operator<(Q a, Q b)
{
    return a.n * b.d < b.n * a.d;
}
bool operator<=(Q a, Q b)
{
    return !(b < a);
}

Big tenTo(int n)
{
    Big p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// "37", "0.35", "0.00001"; none for an empty or malformed text (E notation included, which
// no sheet shows).
std::optional<Q> number(const std::string& text)
{
    static const std::regex form(R"((\d+)(?:\.(\d+))?)");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return std::nullopt;
    return reduced(static_cast<Big>(std::stoll(m[1].str() + m[2].str())), tenTo(m[2].length()));
}

bool terminating(Q x)
{
    for (const int p : {2, 5})
        while (x.d % p == 0)
            x.d /= p;
    return x.d == 1;
}

// The plain decimal text of a terminating value, for the length of P.
std::string plainText(Q x)
{
    std::string text = std::to_string(static_cast<long long>(x.n / x.d));
    Big rest = x.n % x.d;
    if (rest)
        text += '.';
    for (; rest; rest = rest * 10 % x.d)
        text += static_cast<char>('0' + static_cast<int>(rest * 10 / x.d));
    return text;
}

// An item read back: numbers in order, its signs with each number as "n", and its value.
struct ReadItem {
    std::string skeleton;
    std::vector<std::string> texts;
    std::vector<Q> numbers;
    Q value;
    bool wellFormed = true;
};

ReadItem readExpression(const std::string& expression)
{
    static const std::vector<std::string> signs{"＋", "－", "×", "÷", "（", "）"};
    ReadItem item;
    std::vector<std::string> tokens;
    for (size_t i = 0; i < expression.size();) {
        const auto sign = std::find_if(signs.begin(), signs.end(), [&](const std::string& s) {
            return expression.compare(i, s.size(), s) == 0;
        });
        if (sign != signs.end()) {
            tokens.push_back(*sign);
            item.skeleton += *sign;
            i += sign->size();
            continue;
        }
        const size_t end =
            std::min(expression.find_first_not_of("0123456789.", i), expression.size());
        const auto x = number(expression.substr(i, end - i));
        item.wellFormed = item.wellFormed && x && end > i;
        tokens.push_back("n");
        item.texts.push_back(expression.substr(i, end - i));
        item.numbers.push_back(x.value_or(Q{}));
        item.skeleton += "n";
        i = std::max(end, i + 1);
    }
    // × and ÷ before ＋ and －, brackets first.
    size_t at = 0, k = 0;
    std::function<Q()> sum, product, factor;
    factor = [&] {
        if (at < tokens.size() && tokens[at] == "（") {
            ++at;
            const Q v = sum();
            ++at;
            return v;
        }
        ++at;
        return item.numbers[k++];
    };
    product = [&] {
        Q v = factor();
        while (at < tokens.size() && (tokens[at] == "×" || tokens[at] == "÷"))
            v = tokens[at++] == "×" ? v * factor() : v / factor();
        return v;
    };
    sum = [&] {
        Q v = product();
        while (at < tokens.size() && (tokens[at] == "＋" || tokens[at] == "－"))
            v = tokens[at++] == "＋" ? v + product() : v - product();
        return v;
    };
    if (item.wellFormed)
        item.value = sum();
    return item;
}

struct Sheet {
    bool easy;
    bool wholeNumbers; // 整数: quotients must be whole

    // The key value: exactly 10 … 10000 in easy mode, otherwise a whole multiple of 10.
    bool key(Q v, int largestEasy = 10000) const
    {
        if (!easy)
            return v.d == 1 && v.n % 10 == 0;
        for (Big easyValue = 10; easyValue <= largestEasy; easyValue *= 10)
            if (v == Q{easyValue, 1})
                return true;
        return false;
    }
    bool ends(Q x, Q y) const
    {
        return y.n != 0 && (wholeNumbers ? (x / y).d == 1 : terminating(x / y));
    }
};

// One form of a law: its skeleton and what must hold of its numbers (x) and answer.
struct Form {
    std::string name;
    std::string skeleton;
    std::function<bool(const Sheet&, const std::vector<Q>& x, Q answer)> holds;
};

struct Law {
    std::string name;
    LawItem (*generate)(Draw&, Range);
    std::vector<Form> forms;
};

template <const LawShapes& law> LawItem lawItem(Draw& draw, Range range)
{
    return makeShapedLawItem(draw, range, law);
}

using X = const std::vector<Q>&;
using S = const Sheet&;

const std::vector<Law> laws = {
    {"jfjh",
     lawItem<additionCommutative>,
     {{"A+C", "n＋n＋n", [](S s, X x, Q) { return s.key(x[0] + x[2]); }}}},
    {"jfjh1",
     lawItem<additionAssociative>,
     {{"B+C", "n＋n＋n", [](S s, X x, Q) { return s.key(x[1] + x[2]); }}}},
    {"jianfjh",
     lawItem<subtractionReorder>,
     {{"A-C", "n－n－n", [](S s, X x, Q) { return s.key(x[0] - x[2]) && x[1] + x[2] <= x[0]; }}}},
    {"jianfjh1",
     lawItem<subtractionBrackets>,
     {{"B+C", "n－n－n",
       [](S s, X x, Q a) { return s.key(x[1] + x[2]) && x[1] + x[2] < x[0] && Q{} < a; }}}},
    {"jjhh",
     lawItem<addSubtractMixed>,
     {{"1", "n＋n－n",
       [](S s, X x, Q) { return s.key(x[0] - x[2]) && x[2] < x[0] + x[1] && x[2] < x[0]; }},
      {"2", "n＋n－n", [](S s, X x, Q) { return s.key(x[1] - x[2]) && x[2] < x[0] + x[1]; }},
      {"3", "n－n＋n",
       [](S s, X x, Q) { return s.key(x[0] + x[2]) && x[1] < x[0] + x[2] && x[1] < x[0]; }},
      {"4", "n－n＋n",
       [](S s, X x, Q) {
           return s.key(x[1] - x[2]) && x[1] < x[0] && x[1] - x[2] < x[0] && x[2] < x[1];
       }}}},
    {"cfjh",
     lawItem<multiplicationCommutative>,
     {{"A×C", "n×n×n", [](S s, X x, Q) { return s.key(x[0] * x[2]); }}}},
    {"cfjh1",
     lawItem<multiplicationAssociative>,
     {{"B×C", "n×n×n", [](S s, X x, Q) { return s.key(x[1] * x[2]); }}}},
    {"cffp",
     lawItem<distributive>,
     {{"1", "（n＋n）×n", [](S s, X x, Q) { return s.key(x[0] * x[2]) || s.key(x[1] * x[2]); }},
      {"2", "n×n＋n×n", [](S s, X x, Q) { return x[1] == x[3] && s.key(x[0] + x[2]); }},
      {"3", "（n－n）×n",
       [](S s, X x, Q) {
           return (s.key(x[0] * x[2]) || s.key(x[1] * x[2])) && x[1] < x[0] &&
                  x[1] * x[2] < x[0] * x[2];
       }},
      {"4", "n×n－n×n",
       [](S s, X x, Q) { return x[1] == x[3] && s.key(x[0] - x[2]) && x[2] < x[0]; }}}},
    // P÷A÷B＝C: P is A × B × C in at most four characters.
    {"chufjh",
     lawItem<divisionReorder>,
     {{"A×C", "n÷n÷n",
       [](S s, X x, Q c) {
           return x[0] == x[1] * x[2] * c && plainText(x[0]).size() <= 4 && s.key(x[1] * c);
       }}}},
    {"chufjh1",
     lawItem<divisionBrackets>,
     {{"A×B", "n÷n÷n",
       [](S s, X x, Q c) {
           return x[0] == x[1] * x[2] * c && plainText(x[0]).size() <= 4 && s.key(x[1] * x[2]);
       }}}},
    {"cchh",
     lawItem<multiplyDivideMixed>,
     {{"1", "n×n÷n", [](S s, X x, Q) { return s.ends(x[0], x[2]) && s.key(x[0] / x[2], 1000); }},
      {"2", "n×n÷n", [](S s, X x, Q) { return s.ends(x[1], x[2]) && s.key(x[1] / x[2], 1000); }},
      {"3", "n÷n×n",
       [](S s, X x, Q) { return s.key(x[0] * x[2]) && x[1] < x[0] && s.ends(x[0] * x[2], x[1]); }},
      // Q÷A×B＝C with Q = A ÷ B × C.
      {"4", "n÷n×n",
       [](S s, X x, Q c) {
           return s.ends(x[1], x[2]) && x[0] == x[1] / x[2] * c && s.key(x[1] / x[2]) &&
                  x[2] < x[1] && plainText(x[1] * x[2] * c).size() <= 4;
       }}}},
};

// 无简便运算: a first operation (a difference never below 0), then a second on the whole
// (a difference never below 0, a quotient that ends), bracketed when a sum or difference is
// multiplied or divided.
std::vector<Form> noShortcutForms()
{
    std::vector<Form> forms;
    const std::string firsts[] = {"n＋n", "n－n", "n×n", "n÷n"};
    const std::string seconds[] = {"＋n", "－n", "×n", "÷n"};
    for (int u = 0; u < 4; ++u)
        for (int t = 0; t < 4; ++t) {
            const bool brackets = u < 2 && t >= 2;
            const std::string skeleton =
                (brackets ? "（" + firsts[u] + "）" : firsts[u]) + seconds[t];
            forms.push_back({skeleton, skeleton, [u, t](S s, X x, Q a) {
                                 const Q first = u == 0   ? x[0] + x[1]
                                                 : u == 1 ? x[0] - x[1]
                                                 : u == 2 ? x[0] * x[1]
                                                          : x[0] / x[1];
                                 return (u != 1 || x[1] < x[0]) && (u != 3 || terminating(first)) &&
                                        (t != 1 || Q{} <= a) && (t != 3 || s.ends(first, x[2]));
                             }});
        }
    return forms;
}

const Law noShortcut{"tuoshijs", makeNoShortcutItem, noShortcutForms()};

struct SheetCase {
    std::string name;
    bool easy = false;
    int places = -1; // decimals of that many places; -1 whole numbers
    bool percent = false;
    int s = 1, e = 100;
};

class DrawnLawItems : public ::testing::TestWithParam<std::tuple<Law, SheetCase>>
{
};

// Many items of every law under each setting: each reads as one of its law's forms, with no
// operand missing; the answer after "＝" is the expression worked exactly and never below 0;
// the form's key value passes and its conditions hold; every form occurs.
TEST_P(DrawnLawItems, AreExactAndMakeTheirLawEasy)
{
    const auto& [law, sheetCase] = GetParam();
    testing::TestApplication t(14);
    ExerciseSettings& s = t.app.settings;
    s.easyMode.checked = sheetCase.easy;
    s.decimals.checked = sheetCase.places >= 0;
    s.percentages.checked = sheetCase.percent;
    s.wholeNumbers.checked = !s.decimals.checked && !sheetCase.percent;
    s.operandPlaces.index = std::max(sheetCase.places, 0);
    const Sheet sheet{sheetCase.easy, s.wholeNumbers.checked};

    std::map<std::string, int> seen;
    Draw draw = t.app.draw();
    for (int i = 0; i < 150; ++i) {
        const LawItem drawn = law.generate(draw, {sheetCase.s, sheetCase.e});
        const std::string item = itemText(drawn);
        ASSERT_TRUE(drawn.answer) << item;
        const ReadItem read = readExpression(drawn.expression);
        const auto answer = number(drawn.answer->text());
        ASSERT_TRUE(read.wellFormed && answer) << item;
        ASSERT_TRUE(read.value == *answer) << item;
        ASSERT_TRUE(Q{} <= *answer) << item;
        bool matched = false;
        for (const Form& form : law.forms)
            if (form.skeleton == read.skeleton && form.holds(sheet, read.numbers, *answer)) {
                matched = true;
                ++seen[form.name];
            }
        ASSERT_TRUE(matched) << item;
    }
    for (const Form& form : law.forms)
        EXPECT_GT(seen[form.name], 0) << law.name << " never gave form " << form.name;
}

std::string testName(const ::testing::TestParamInfo<DrawnLawItems::ParamType>& info)
{
    return std::get<0>(info.param).name + "_" + std::get<1>(info.param).name;
}

std::vector<Law> allLaws()
{
    std::vector<Law> all = laws;
    all.push_back(noShortcut);
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DrawnLawItems,
    ::testing::Combine(::testing::ValuesIn(allLaws()),
                       ::testing::Values(SheetCase{"easy", true}, SheetCase{"normal"},
                                         SheetCase{"fromZero", false, -1, false, 0, 30})),
    testName);

// Decimals, also from 0 (a 0 is drawn again); 乘除混合 needs a quotient ending in 0 and a
// short product at once, which one-place decimals almost never give.
INSTANTIATE_TEST_SUITE_P(
    Decimals, DrawnLawItems,
    ::testing::Combine(::testing::Values(laws[0], laws[1], laws[2], laws[3], laws[4], laws[5],
                                         laws[6], laws[7], laws[8], laws[9], noShortcut),
                       ::testing::Values(SheetCase{"decimals", false, 1, false, 0, 100})),
    testName);

// Easy decimals and 百分数 (hundredths): the laws that add, subtract and distribute.
INSTANTIATE_TEST_SUITE_P(
    FewerNumbers, DrawnLawItems,
    ::testing::Combine(::testing::Values(laws[0], laws[2], laws[4], laws[7], noShortcut),
                       ::testing::Values(SheetCase{"decimalsEasy", true, 1, false, 0, 20},
                                         SheetCase{"percent", false, -1, true, 1, 5000})),
    testName);

// Easy decimals of two and three places: the key pairs are listed, not waited for, so even
// products of three-place decimals (0.125 × 80) come at once.
INSTANTIATE_TEST_SUITE_P(
    KeyedDecimals, DrawnLawItems,
    ::testing::Combine(::testing::Values(laws[0], laws[2], laws[5], laws[6], laws[7], laws[4]),
                       ::testing::Values(SheetCase{"decimalsEasy2", true, 2, false, 0, 100},
                                         SheetCase{"decimalsEasy3", true, 3, false, 1, 100})),
    testName);

// A small setting whose items can all be listed: A＋B＋C with A＋C = 10, from 1 to 20, is
// 9 × 20 items. Drawn 50 times as often, each appears, with counts a chi-square test over the
// 180 items finds uniform (its 99.9 % point for 179 degrees of freedom is about 237).
TEST(LawItems, EasyItemsAreDrawnUniformlyAmongAllTheSettingsAllow)
{
    testing::TestApplication t(3);
    t.app.settings.easyMode.checked = true;
    Draw draw = t.app.draw();
    constexpr int allowed = 9 * 20, perItem = 50;
    std::map<std::string, int> counts;
    for (int k = 0; k < allowed * perItem; ++k)
        ++counts[makeShapedLawItem(draw, {1, 20}, additionCommutative).expression];
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(allowed));
    double chiSquare = 0;
    for (const auto& [item, count] : counts)
        chiSquare += (count - perItem) * (count - perItem) / static_cast<double>(perItem);
    EXPECT_LT(chiSquare, 237.0);
}

// Settings no draw can meet (easy mode within 1..3) keep a law drawing until the stop.
TEST(LawItems, AStopEndsADrawThatCanNeverPass)
{
    for (const Law& law : laws) {
        testing::TestApplication t;
        t.app.settings.easyMode.checked = true;
        t.stopAfter(300);
        Draw draw = t.app.draw();
        law.generate(draw, {1, 3});
        EXPECT_TRUE(t.app.run.stopRequested) << law.name;
    }
}

} // namespace
} // namespace quill
