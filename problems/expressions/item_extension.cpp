#include "problems/expressions/item_extension.h"

#include "base/exact_decimal.h"
#include "base/number_text.h"
#include "problems/expressions/evaluator.h"
#include "problems/workspace.h"

namespace quill
{

void prepareExtension(Workspace& work, std::string_view listText, int s, int e,
                      bool withFullExpressions)
{
    AnswerStore& store = work.answers;
    store.clearAnswers(true);
    store.expressionListText.clear();
    store.splitItems(listText);
    if (withFullExpressions)
        store.fullExpressionTexts = store.itemTexts;
    computeAnswers(work, listText, s, e);
}

std::string extendEachItem(Workspace& work, const std::vector<std::string>& entryTexts,
                           const ExtendItem& extend, const ItemFinished& finished)
{
    AnswerStore& store = work.answers;
    int k = 0;
    while (k <= store.lastItemIndex) {
        work.processEvents();
        if (work.run.stopRequested)
            break;
        if (!extend(k))
            continue;
        std::string& value = store.stepAnswers[k];
        value = tidyValueText(value);
        store.expressionListText += " " + entryTexts[k] + "＝" + value;
        if (finished)
            finished(k, value);
        ++k;
    }
    return store.expressionListText;
}

bool isSumOrDifference(std::string_view text)
{
    static constexpr std::string_view signs[] = {"＋", "－", "×", "÷"};
    int depth = 0;
    std::string_view last;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        else if (depth == 0)
            for (const std::string_view sign : signs)
                if (text.substr(i, sign.size()) == sign)
                    last = sign;
    }
    return last == signs[0] || last == signs[1];
}

std::string_view operationSign(AppendedOperation operation)
{
    switch (operation) {
    case AppendedOperation::Addition:
        return "＋";
    case AppendedOperation::Subtraction:
        return "－";
    case AppendedOperation::Multiplication:
        return "×";
    case AppendedOperation::Division:
        return "÷";
    case AppendedOperation::None:
        break;
    }
    return {};
}

std::string appendedText(std::string_view left, AppendedOperation operation, bool bracketed,
                         std::string_view right)
{
    std::string text;
    if (bracketed)
        text.append("(").append(left).append(")");
    else
        text.append(left);
    return text.append(operationSign(operation)).append(right);
}

namespace
{

// A number text held exactly; a trailing "%" is left aside, as numericValue does.
ExactDecimal exactNumber(std::string_view text)
{
    if (text.ends_with('%'))
        text.remove_suffix(1);
    return ExactDecimal::parse(text);
}

ExactDecimal exactValue(AppendedOperation operation, const ExactDecimal& v, const ExactDecimal& e)
{
    switch (operation) {
    case AppendedOperation::Addition:
        return v + e;
    case AppendedOperation::Subtraction:
        return v - e;
    case AppendedOperation::Multiplication:
        return v * e;
    case AppendedOperation::Division:
        return v / e;
    case AppendedOperation::None:
        break;
    }
    return ExactDecimal::none();
}

} // namespace

std::string appendedValueText(AppendedOperation operation, std::string_view valueText,
                              std::string_view extraText)
{
    // The value is printed as part of the question, so it must be exact whenever it ends.
    if (const ExactDecimal exact =
            exactValue(operation, exactNumber(valueText), exactNumber(extraText));
        exact.isNumber())
        return exact.text();
    const double v = numericValue(valueText);
    const double extra = numericValue(extraText);
    switch (operation) {
    case AppendedOperation::Addition:
        return shortestText(v + extra);
    case AppendedOperation::Subtraction:
        return shortestText(numericValue(exactDifference(v, extra)));
    case AppendedOperation::Multiplication:
        return shortestText(v * extra);
    case AppendedOperation::Division:
        // Only a stop can leave a divisor of 0 behind; the value then says so in words.
        return extra == 0 ? std::string(uncomputableAnswer) : shortestText(v / extra);
    case AppendedOperation::None:
        break;
    }
    return {};
}

double extraValue(const Workspace& work)
{
    return work.operands.extraOperand.value();
}

void redrawExtra(Workspace& work, const std::function<void()>& draw,
                 const std::function<bool(double)>& fits, const std::function<bool()>& settle)
{
    while (true) {
        work.processEvents();
        if (work.run.stopRequested)
            return;
        if (settle && settle())
            return;
        draw();
        if (fits(extraValue(work)))
            return;
    }
}

} // namespace quill
