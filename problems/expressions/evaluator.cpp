#include "problems/expressions/evaluator.h"

#include "base/exact_decimal.h"
#include "base/number_text.h"
#include "problems/expressions/shown_answer.h"
#include "problems/whole/operands.h"
#include "problems/workspace.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace quill
{

namespace
{

enum class Operation { Division, Multiplication, Subtraction, Addition };

struct Operator {
    std::string_view sign;
    Operation operation;
};

// The search order matters: an item is read by the first of these signs it contains.
constexpr std::array<Operator, 4> operatorsInSearchOrder{{
    {"÷", Operation::Division},
    {"×", Operation::Multiplication},
    {"－", Operation::Subtraction},
    {"＋", Operation::Addition},
}};

const Operator* findOperator(std::string_view item)
{
    for (const Operator& op : operatorsInSearchOrder)
        if (item.find(op.sign) != std::string_view::npos)
            return &op;
    return nullptr;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the term has a leading number at all; "12abc" has one (12), "abc" and "" do not.
bool startsWithNumber(std::string_view term)
{
    size_t i = 0;
    if (i < term.size() && (term[i] == '+' || term[i] == '-'))
        ++i;
    if (i < term.size() && term[i] == '.')
        ++i;
    return i < term.size() && isDigit(term[i]);
}

struct Terms {
    std::vector<double> values;
    std::vector<ExactDecimal> exact; // the same values held exactly, for the exact answer
    bool numeric = true;
};

// A term's value held exactly; a percent counts a hundredth. No number for anything else.
ExactDecimal exactTerm(std::string_view term)
{
    const bool percent = term.ends_with('%');
    if (percent)
        term.remove_suffix(1);
    const ExactDecimal value = ExactDecimal::parse(term);
    return percent ? value.shifted(2) : value;
}

// The result of the whole chain in exact decimals, so a long product keeps every digit
// (4685.281955348162, not the 15 digits a double holds). No number where a quotient does
// not end or a term is not a plain number: the double result stands then.
ExactDecimal exactChain(Operation operation, const std::vector<ExactDecimal>& terms)
{
    ExactDecimal result = terms.front();
    for (size_t j = 1; j < terms.size(); ++j) {
        switch (operation) {
        case Operation::Division:
            result = result / terms[j];
            break;
        case Operation::Multiplication:
            result = result * terms[j];
            break;
        case Operation::Subtraction:
            result = result - terms[j];
            break;
        case Operation::Addition:
            result = result + terms[j];
            break;
        }
    }
    return result;
}

// Cut the item at every occurrence of the sign; a percent term counts a hundredth.
void readTerms(std::string_view item, std::string_view sign, Terms& terms)
{
    terms.values.clear();
    terms.exact.clear();
    terms.numeric = true;
    size_t start = 0;
    while (true) {
        const size_t at = item.find(sign, start);
        const std::string_view term = item.substr(start, at - start);
        double value = numericValue(term);
        if (term.find('%') != std::string_view::npos)
            value /= 100;
        terms.numeric = terms.numeric && startsWithNumber(term) && std::isfinite(value);
        terms.values.push_back(value);
        terms.exact.push_back(exactTerm(term));
        if (at == std::string_view::npos)
            return;
        start = at + sign.size();
    }
}

struct Results {
    double answer = 0;
    double exact = 0;
    double remainder = 0;
    bool computable = true;
};

int roundingPlaces(const Workspace& work)
{
    return work.settings.roundAnswers.checked ? work.settings.answerPlaces.index : -1;
}

// 保留 rounds the result of every operation, never an operand as written.
double roundedIfAsked(double value, int places)
{
    return places >= 0 ? roundHalfUp(value, places) : value;
}

Results divide(const std::vector<double>& t, int places)
{
    Results r{t[0], t[0], t[0]};
    for (size_t j = 1; j < t.size(); ++j) {
        if (t[j] == 0)
            return {0, 0, 0, false};
        r.answer = roundedIfAsked(r.answer / t[j], places);
        r.exact /= t[j];
        r.remainder = divisionRemainder(r.remainder, t[j]);
    }
    return r;
}

Results multiply(const std::vector<double>& t, int places)
{
    Results r{t[0], t[0]};
    for (size_t j = 1; j < t.size(); ++j) {
        r.answer = roundedIfAsked(r.answer * t[j], places);
        r.exact *= t[j];
    }
    return r;
}

// In exact decimal arithmetic, keeping the sign: 48%－4 is −3.52.
Results subtract(const std::vector<double>& t)
{
    double difference = t[0];
    for (size_t j = 1; j < t.size(); ++j)
        difference = numericValue(exactDifference(difference, t[j]));
    return {difference, difference};
}

Results add(const std::vector<double>& t)
{
    double sum = 0;
    for (const double term : t)
        sum += term;
    return {sum, sum};
}

// A quotient worked out in columns ends, and within the four places an answer key shows.
bool fitsColumns(Workspace& work, double dividend, double divisor, double quotient)
{
    return quotientTerminates(work, dividend, divisor) == 1 &&
           decimalPlaces(quotient) <= longestShownPlaces;
}

bool pairFitsVerticalWorking(Workspace& work)
{
    const Operand& first = work.operands.firstOperand;
    const Operand& second = work.operands.secondOperand;
    if (second.value() == 0 || second.value() >= first.value())
        return false;
    return fitsColumns(work, first.value(), second.value(), first.amount() / second.amount());
}

// A non-terminating quotient cannot be worked out in columns, so such an item gets a fresh
// pair. A stop keeps the last pair drawn; a stop before any draw keeps the item as it was,
// rather than a pair left in the registers by some earlier draw.
void replaceForVerticalWorking(Workspace& work, int i, std::string& item, const Terms& terms, int s,
                               int e)
{
    const double dividend = terms.values[0];
    const double divisor = terms.values[1];
    if (fitsColumns(work, dividend, divisor, dividend / divisor))
        return;
    std::map<int, std::string>& replaced = work.answers.verticalReplacements;
    if (const auto earlier = replaced.find(i); earlier != replaced.end()) {
        item = earlier->second;
        return;
    }
    bool drawn = false;
    while (true) {
        work.processEvents();
        if (work.run.stopRequested)
            break;
        drawOperands(work, s, e);
        drawn = true;
        if (pairFitsVerticalWorking(work))
            break;
    }
    if (drawn) {
        item = work.operands.firstOperand.text() + "÷" + work.operands.secondOperand.text();
        replaced[i] = item;
    }
}

void storeValue(std::string& slot, double value, bool computable)
{
    if (computable && std::isfinite(value))
        slot = shortestText(value);
    else
        slot = uncomputableAnswer;
}

void answerItem(Workspace& work, int i, int s, int e, Terms& terms)
{
    AnswerStore& store = work.answers;
    std::string& item = store.itemTexts[i];
    const Operator* op = findOperator(item);
    if (!op)
        return;
    readTerms(item, op->sign, terms);

    Results r;
    switch (op->operation) {
    case Operation::Division:
        if (work.settings.verticalOption.selected && terms.numeric) {
            replaceForVerticalWorking(work, i, item, terms, s, e);
            readTerms(item, op->sign, terms);
        }
        r = divide(terms.values, roundingPlaces(work));
        break;
    case Operation::Multiplication:
        r = multiply(terms.values, roundingPlaces(work));
        break;
    case Operation::Subtraction:
        r = subtract(terms.values);
        break;
    case Operation::Addition:
        r = add(terms.values);
        break;
    }

    // One unreadable part makes the whole item unreadable, so all its texts say so.
    const bool computable = r.computable && terms.numeric && std::isfinite(r.answer) &&
                            std::isfinite(r.exact) && std::isfinite(r.remainder);
    storeValue(store.roundedAnswers[i], r.answer, computable);
    storeValue(store.exactAnswers[i], r.exact, computable);
    if (const ExactDecimal exact = exactChain(op->operation, terms.exact);
        computable && exact.isNumber())
        store.exactAnswers[i] = exact.text();
    if (op->operation == Operation::Division)
        storeValue(store.remainders[i], r.remainder, computable);
    // The quotient that goes with the remainder, so that quotient × divisor + remainder is
    // the dividend; a chain of divisions has no such pair.
    const bool pair = op->operation == Operation::Division && terms.values.size() == 2;
    store.wholeQuotients[i] =
        pair && computable ? shortestText(wholeDivision(terms.values[0], terms.values[1]).quotient)
                           : "";
}

} // namespace

WholeDivision wholeDivision(double dividend, double divisor)
{
    if (divisor == 0 || !std::isfinite(dividend) || !std::isfinite(divisor)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    const double step = (dividend < 0) != (divisor < 0) ? -1 : 1; // sign of the quotient
    double quotient = std::trunc(dividend / divisor);
    const double rest = numericValue(exactDifference(dividend, quotient * divisor));
    // The binary quotient can miss a whole number by a hair (0.3 / 0.1 = 2.999…): the rest
    // then holds one more divisor, or has crossed over to the other sign.
    if (rest != 0 && (rest < 0) != (dividend < 0))
        quotient -= step;
    else if (std::fabs(rest) >= std::fabs(divisor))
        quotient += step;
    else
        return {quotient, rest};
    return {quotient, numericValue(exactDifference(dividend, quotient * divisor))};
}

double divisionRemainder(double dividend, double divisor)
{
    return wholeDivision(dividend, divisor).remainder;
}

void computeAnswers(Workspace& work, std::string_view listText, int s, int e)
{
    AnswerStore& store = work.answers;
    const bool builderPrepared =
        work.settings.stepsOption.selected || work.settings.equationsOption.selected;
    if (!builderPrepared) {
        store.clearAnswers(false);
        store.splitItems(listText);
    } else {
        store.sizeTablesToItems();
    }
    if (store.replacedList != listText) {
        store.replacedList = listText;
        store.verticalReplacements.clear();
    }
    Terms terms;
    for (int i = 0; i <= store.lastItemIndex; ++i)
        answerItem(work, i, s, e, terms);
}

} // namespace quill
