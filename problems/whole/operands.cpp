#include "problems/whole/operands.h"

#include "base/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quill
{

namespace
{

// x = start + width·r in single precision, so that a seed keeps giving the same set.
float drawPosition(RandomSource& random, Range range)
{
    const int width = range.end - range.start + 1;
    return static_cast<float>(range.start) + static_cast<float>(width) * random.next();
}

double drawWholeNumber(RandomSource& random, Range range)
{
    // Rounding of start + width·r in single precision can reach end + 1 for r just below 1.
    const float x = drawPosition(random, range);
    // Truncation is floor for the usual ranges from 0 up, and much cheaper.
    const double whole = x >= 0 ? static_cast<double>(static_cast<long>(x)) : std::floor(x);
    return std::min<double>(whole, range.end);
}

} // namespace

namespace
{

constexpr long long powersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// n × 10^-places written plainly, without trailing zeros: 57340 at 3 places is "57.34".
std::string scaledText(long long n, int places)
{
    std::string digits = std::to_string(n);
    if (static_cast<int>(digits.size()) <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - places);
    std::string fraction = digits.substr(digits.size() - places);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? text : text + "." + fraction;
}

} // namespace

namespace
{

// x·10^places cut to a whole number: the operand's digits.
double scaledDigits(float x, int places)
{
    return std::floor(static_cast<double>(x) * static_cast<double>(powersOfTen[places]));
}

// Below 100 an operand is its digits at `places` places, and needs no text to be judged:
// the draws throw most operands away, and spent most of their time writing them.
bool hasQuickValue(double digits, int places)
{
    return digits >= 0 && places <= 4 && digits < static_cast<double>(powersOfTen[places + 2]);
}

} // namespace

std::string decimalOperandText(float x, int places)
{
    if (places == 0)
        return shortestText(std::floor(x));
    const double n = scaledDigits(x, places);
    // From 100 up the operand's leading digits are dropped, through the text of a quotient.
    if (hasQuickValue(n, places))
        return scaledText(static_cast<long long>(n), places);
    const double divisor = std::pow(10.0, places + 1);
    const std::string quotient = places <= 3 ? shortestSingleText(static_cast<float>(n / divisor))
                                             : shortestText(n / divisor);
    const size_t keep = static_cast<size_t>(places) + 3;
    const std::string kept =
        quotient.size() > keep ? quotient.substr(quotient.size() - keep) : quotient;
    return shortestText(10 * numericValue(kept));
}

std::optional<long long> quickOperandDigits(float x, int places)
{
    if (places <= 0 || places > 4)
        return std::nullopt;
    const double n = scaledDigits(x, places);
    if (!hasQuickValue(n, places))
        return std::nullopt;
    return static_cast<long long>(n);
}

void setDecimalOperand(Operand& operand, float x, int places)
{
    if (const std::optional<long long> digits = quickOperandDigits(x, places)) {
        // Both exact, so the quotient is the value nearest the operand's decimal text.
        operand.setNumber(static_cast<double>(*digits) / static_cast<double>(powersOfTen[places]));
        return;
    }
    operand = decimalOperandText(x, places);
}

namespace
{

} // namespace

bool capHolds(const ExerciseSettings& s, const DrawnOperands& o, int end)
{
    // Read the operands only when a cap is on: this runs for every draw.
    if (s.capResults.checked && (s.addition.checked || s.multiplication.checked)) {
        const double first = o.first.value();
        const double second = o.second.value();
        if (s.addition.checked && first + second > end + 1)
            return true;
        if (s.multiplication.checked && first * second > end + 1)
            return true;
    }
    // The first grades' step-by-step items append numbers up to 10, 20, 30 and 50.
    static constexpr double extraCaps[] = {0, 10, 20, 30, 50};
    const int grade = s.gradeIndex();
    return s.stepsOption.selected && grade >= 1 && grade <= 4 && o.extra.value() > extraCaps[grade];
}

namespace
{

// Draw all three operands with `drawOne` until no cap holds. A stop leaves the loop too
// (with the last draw), so impossible caps never keep a stopped run alive.
template <typename DrawOne> DrawnOperands drawUntilNoCap(Draw& draw, int end, DrawOne drawOne)
{
    DrawnOperands o;
    do {
        drawOne(o.first);
        drawOne(o.second);
        drawOne(o.extra);
    } while (capHolds(draw.settings, o, end) && !draw.stop.stopRequested());
    return o;
}

void markPercentages(RandomSource& random, DrawnOperands& o, PercentMarks marks)
{
    // Drawn for both kinds of marks, so the numbers a seed gives stay the same.
    const int j = random.below(4) + 1;
    const bool both = marks == PercentMarks::Both;
    if (both || j == 1 || j >= 3)
        o.first.markPercent();
    if (both || j >= 2)
        o.second.markPercent();
}

std::int64_t wholeNumber(double value)
{
    return static_cast<std::int64_t>(roundHalfEven(value));
}

// The greatest common divisor by Euclid, left in both g and h.
void reduceByCommonDivisor(std::int64_t& g, std::int64_t& h)
{
    g = std::llabs(g);
    h = std::llabs(h);
    while (g != h && g != 0 && h != 0) {
        if (g < h)
            h = h % g == 0 ? g : h % g;
        else
            g = g % h == 0 ? h : g % h;
    }
}

bool onlyTwosAndFives(std::int64_t b)
{
    if (b <= 1)
        return false;
    for (const int prime : {2, 5})
        while (b % prime == 0)
            b /= prime;
    return b == 1;
}

} // namespace

int decimalPlaces(double value)
{
    const std::string text = shortestText(value);
    const size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

DrawnOperands drawDecimalOperands(Draw& draw, Range range)
{
    const int places = draw.settings.operandPlaces.index;
    return drawUntilNoCap(draw, range.end, [&](Operand& operand) {
        setDecimalOperand(operand, drawPosition(draw.random, range), places);
    });
}

DrawnOperands drawWholeOperands(Draw& draw, Range range, PercentMarks marks)
{
    DrawnOperands o = drawUntilNoCap(draw, range.end, [&](Operand& operand) {
        operand.setNumber(drawWholeNumber(draw.random, range));
    });
    if (draw.settings.percentages.checked)
        markPercentages(draw.random, o, marks);
    return o;
}

DrawnOperands drawOperands(Draw& draw, Range range, PercentMarks marks)
{
    if (draw.settings.decimals.checked)
        return drawDecimalOperands(draw, range);
    return drawWholeOperands(draw, range, marks);
}

bool quotientTerminates(const ExerciseSettings& settings, double& a, double& b)
{
    if (a == 0 || b == 0)
        return true;
    for (double* scaled : {&a, &b}) {
        const int places = decimalPlaces(*scaled);
        if (places > 4)
            return false;
        if (places > 0) {
            const double factor = std::pow(10.0, places);
            a *= factor;
            b *= factor;
        }
    }
    // The scaled numbers are whole: reduce them as such, not their binary values
    // (0.07 × 100 is 7.000000000000001, and 9% ÷ 1% must come out exactly 9).
    const std::int64_t numerator = wholeNumber(a);
    const std::int64_t denominator = wholeNumber(b);
    std::int64_t g = numerator;
    std::int64_t h = denominator;
    reduceByCommonDivisor(g, h);
    if (g == 0 || h == 0)
        return false;
    a = static_cast<double>(numerator) / static_cast<double>(g);
    b = static_cast<double>(denominator) / static_cast<double>(h);
    if (settings.wholeNumbers.checked)
        return b == 1;
    return onlyTwosAndFives(wholeNumber(b));
}

} // namespace quill
