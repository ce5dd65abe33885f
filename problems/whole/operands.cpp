#include "problems/whole/operands.h"

#include "base/number_text.h"
#include "problems/workspace.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quill
{

namespace
{

// x = s + w·r in single precision, as the draws have always been made.
float drawPosition(Workspace& work, int s, int e)
{
    const int width = e - s + 1;
    return static_cast<float>(s) + static_cast<float>(width) * work.random.next();
}

double drawWholeNumber(Workspace& work, int s, int e)
{
    // Rounding of s + w·r in single precision can reach e + 1 for r just below 1.
    const float x = drawPosition(work, s, e);
    // Truncation is floor for the usual ranges from 0 up, and much cheaper.
    const double whole = x >= 0 ? static_cast<double>(static_cast<long>(x)) : std::floor(x);
    return std::min<double>(whole, e);
}

} // namespace

std::string decimalOperandText(float x, int places)
{
    if (places == 0)
        return shortestText(std::floor(x));
    const double n = std::floor(static_cast<double>(x) * std::pow(10.0, places));
    const double divisor = std::pow(10.0, places + 1);
    const std::string quotient = places <= 3 ? shortestSingleText(static_cast<float>(n / divisor))
                                             : shortestText(n / divisor);
    const size_t keep = static_cast<size_t>(places) + 3;
    const std::string kept =
        quotient.size() > keep ? quotient.substr(quotient.size() - keep) : quotient;
    return shortestText(10 * numericValue(kept));
}

namespace
{

bool capHolds(const Workspace& work, int e)
{
    const ExerciseSettings& s = work.settings;
    const OperandRegisters& r = work.operands;
    // Read the operands only when a cap is on: this runs for every draw.
    if (s.capResults.checked && (s.addition.checked || s.multiplication.checked)) {
        const double first = r.firstOperand.value();
        const double second = r.secondOperand.value();
        if (s.addition.checked && first + second > e + 1)
            return true;
        if (s.multiplication.checked && first * second > e + 1)
            return true;
    }
    static constexpr double extraCaps[] = {0, 10, 20, 30, 50};
    const int grade = s.gradeIndex();
    return s.stepsOption.selected && grade >= 1 && grade <= 4 &&
           r.extraOperand.value() > extraCaps[grade];
}

// Draw all three operands with `drawOne` until no cap holds. A stop leaves the loop too
// (with the last draw), so impossible caps never keep a stopped run alive.
template <typename DrawOne> void drawUntilNoCap(Workspace& work, int e, DrawOne drawOne)
{
    do {
        work.processEvents();
        drawOne(work.operands.firstOperand);
        drawOne(work.operands.secondOperand);
        drawOne(work.operands.extraOperand);
    } while (capHolds(work, e) && !work.run.stopRequested);
}

void markPercentages(Workspace& work)
{
    const int j = work.random.below(4) + 1;
    if (j == 1 || j >= 3)
        work.operands.firstOperand.markPercent();
    if (j >= 2)
        work.operands.secondOperand.markPercent();
}

std::int64_t wholeNumber(double value)
{
    return static_cast<std::int64_t>(roundHalfEven(value));
}

// The greatest common divisor by Euclid, letting the window breathe between steps; a stop
// leaves g and h where they are.
void reduceByCommonDivisor(Workspace& work, std::int64_t& g, std::int64_t& h)
{
    g = std::llabs(g);
    h = std::llabs(h);
    while (g != h && g != 0 && h != 0) {
        work.processEvents();
        if (work.run.stopRequested)
            return;
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
    const size_t exponent = text.find('E');
    const std::string mantissa = text.substr(0, exponent);
    const size_t point = mantissa.find('.');
    int places = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    if (exponent != std::string::npos)
        places -= std::stoi(text.substr(exponent + 1));
    return std::max(places, 0);
}

void drawDecimalOperands(Workspace& work, int s, int e)
{
    const int places = work.settings.operandPlaces.index;
    drawUntilNoCap(work, e, [&](Operand& operand) {
        operand = decimalOperandText(drawPosition(work, s, e), places);
    });
}

void drawWholeOperands(Workspace& work, int s, int e)
{
    drawUntilNoCap(work, e,
                   [&](Operand& operand) { operand.setNumber(drawWholeNumber(work, s, e)); });
    if (work.settings.percentages.checked)
        markPercentages(work);
}

void drawOperands(Workspace& work, int s, int e)
{
    if (work.settings.decimals.checked)
        drawDecimalOperands(work, s, e);
    else
        drawWholeOperands(work, s, e);
}

int quotientTerminates(Workspace& work, double& a, double& b)
{
    if (a == 0 || b == 0)
        return 1;
    for (double* scaled : {&a, &b}) {
        const int places = decimalPlaces(*scaled);
        if (places > 4)
            return 0;
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
    reduceByCommonDivisor(work, g, h);
    if (g == 0 || h == 0)
        return 0;
    a = static_cast<double>(numerator) / static_cast<double>(g);
    b = static_cast<double>(denominator) / static_cast<double>(h);
    if (work.settings.wholeNumbers.checked)
        return b == 1 ? 1 : 0;
    return onlyTwosAndFives(wholeNumber(b)) ? 1 : 0;
}

} // namespace quill
