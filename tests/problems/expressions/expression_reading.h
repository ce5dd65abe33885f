#pragma once

// Reading finished expressions back independently of the builders, and random
// single-operation lists to feed them.

#include "base/number_text.h"
#include "problems/whole/operation_item.h"
#include "settings/exercise_settings.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quill::testing
{

inline bool isSign(const std::string& t)
{
    return t == "＋" || t == "－" || t == "×" || t == "÷";
}

// Numbers, signs, brackets and X; "6X" reads as 6 × X.
inline std::vector<std::string> tokens(const std::string& text)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        const size_t width = text.compare(i, 2, "×") && text.compare(i, 2, "÷") ? 3 : 2;
        if (isSign(text.substr(i, width))) {
            out.push_back(text.substr(i, width));
            i += width;
        } else if (std::isdigit(text[i])) {
            const size_t end = std::min(text.find_first_not_of("0123456789.", i), text.size());
            out.push_back(text.substr(i, end - i));
            i = end;
        } else {
            if (text[i] == 'X' && !out.empty() && std::isdigit(out.back().back()))
                out.push_back("×");
            out.push_back(text.substr(i++, 1));
        }
    }
    return out;
}

// Evaluates with × and ÷ before ＋ and －, keeping every quotient met on the way, and counts
// brackets that do not hold a sum or difference that is then multiplied or divided.
struct ExpressionReader {
    explicit ExpressionReader(const std::string& text) : t(tokens(text)), value(sum())
    {
        well = well && at == t.size();
    }
    std::vector<std::string> t;
    size_t at = 0;
    bool well = true, signedSum = false;
    int needlessBrackets = 0;
    std::vector<double> quotients;
    double value;

private:
    bool next(const char* a, const char* b) { return at < t.size() && (t[at] == a || t[at] == b); }
    double sum()
    {
        double v = product();
        const bool signs = next("＋", "－");
        while (next("＋", "－"))
            v = t[at++] == "＋" ? v + product() : v - product();
        signedSum = signs;
        return v;
    }
    double product()
    {
        double v = factor();
        while (next("×", "÷"))
            if (t[at++] == "×")
                v *= factor();
            else
                quotients.push_back(v /= factor());
        return v;
    }
    double factor()
    {
        if (!next("(", "(")) {
            well = well && at < t.size() && std::isdigit(t[at][0]);
            return at < t.size() ? std::atof(t[at++].c_str()) : 0;
        }
        ++at;
        const double v = sum();
        well = well && next(")", ")");
        ++at;
        needlessBrackets += !signedSum || !next("×", "÷");
        return v;
    }
};

// The expression reads well, has `operations` operations and the value `value`.
inline ExpressionReader expectExpression(const std::string& expression, const std::string& value,
                                         long operations)
{
    const ExpressionReader reader(expression);
    EXPECT_TRUE(reader.well) << expression;
    EXPECT_EQ(std::count_if(reader.t.begin(), reader.t.end(), isSign), operations) << expression;
    EXPECT_NEAR(numericValue(value), reader.value, 1e-9 * std::max(1.0, reader.value))
        << expression << "＝" << value;
    return reader;
}

// "1＋2 3＋4" -> its items.
inline std::vector<OperationItem> readItems(const std::string& list)
{
    std::vector<OperationItem> items;
    std::istringstream in(list);
    for (std::string item; in >> item;)
        items.push_back(OperationItem::read(item));
    return items;
}

// Whole-number items of all four kinds with exact divisions, as a run draws them.
inline std::vector<OperationItem> randomItems(unsigned seed, int count)
{
    std::mt19937 g(seed);
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(g); };
    auto text = [](int n) { return std::to_string(n); };
    std::vector<OperationItem> items;
    for (int i = 0; i < count; ++i) {
        const int a = in(1, 100), b = in(1, a), q = in(1, 12), d = in(1, 9);
        const OperationItem drawn[] = {
            OperationItem::of(text(a), Operation::Addition, text(b)),
            OperationItem::of(text(a), Operation::Subtraction, text(b)),
            OperationItem::of(text(q), Operation::Multiplication, text(d)),
            OperationItem::of(text(q * d), Operation::Division, text(d))};
        items.push_back(drawn[in(0, 3)]);
    }
    return items;
}

// A stop at any of the first `checks` stop checks keeps the items finished before it exactly
// as an unstopped build finishes them (the item it interrupts is finished with what it has),
// and every count of finished items comes up. `build(k)` stops at check k, never for 0.
template <typename Build>
void expectStopsKeepFinishedItems(const std::vector<OperationItem>& items, int checks, Build build)
{
    const auto unstopped = build(0);
    ASSERT_EQ(unstopped.size(), items.size());
    std::set<size_t> counts;
    for (int k = 1; k <= checks; ++k) {
        const auto built = build(k);
        counts.insert(built.size());
        for (size_t i = 0; i + 1 < built.size(); ++i)
            EXPECT_EQ(built[i], unstopped[i]) << "stopped at check " << k << ", item " << i;
    }
    EXPECT_EQ(counts.size(), items.size() + 1) << "some count of finished items never came up";
}

inline void selectOnly(ExerciseSettings& settings, ExerciseKind kind)
{
    for (int k = 1; k <= 7; ++k)
        settings.option(static_cast<ExerciseKind>(k)).selected = static_cast<int>(kind) == k;
}

inline void tickOperations(ExerciseSettings& settings, bool add, bool sub, bool mul, bool div)
{
    settings.addition.checked = add;
    settings.subtraction.checked = sub;
    settings.multiplication.checked = mul;
    settings.division.checked = div;
}

} // namespace quill::testing
