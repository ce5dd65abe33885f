#include "problems/expressions/expression_reader.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

namespace quill
{

namespace
{

class ExpressionReader
{
public:
    ExpressionReader(std::string_view text, const OperationWorker& work) : rest_(text), work_(work)
    {
    }

    ExactDecimal whole()
    {
        const ExactDecimal value = sum();
        return rest_.empty() ? value : ExactDecimal::none();
    }

private:
    bool take(std::string_view sign)
    {
        if (!rest_.starts_with(sign))
            return false;
        rest_.remove_prefix(sign.size());
        return true;
    }

    std::optional<Operation> takeOperation(std::initializer_list<Operation> operations)
    {
        for (const Operation operation : operations)
            if (take(signOf(operation)))
                return operation;
        return std::nullopt;
    }

    ExactDecimal sum()
    {
        ExactDecimal value = product();
        while (const auto operation = takeOperation({Operation::Addition, Operation::Subtraction}))
            value = work_(*operation, value, product());
        return value;
    }

    ExactDecimal product()
    {
        ExactDecimal value = factor();
        while (const auto operation =
                   takeOperation({Operation::Multiplication, Operation::Division}))
            value = work_(*operation, value, factor());
        return value;
    }

    ExactDecimal factor()
    {
        for (const auto& [open, close] : brackets)
            if (take(open)) {
                const ExactDecimal value = sum();
                return take(close) ? value : ExactDecimal::none();
            }
        // A number runs to the next sign or bracket; its exponent may carry an ASCII sign
        // (1E-05).
        size_t end = 0;
        while (end < rest_.size() && static_cast<unsigned char>(rest_[end]) < 0x80 &&
               rest_[end] != '(' && rest_[end] != ')')
            ++end;
        std::string_view number = rest_.substr(0, end);
        rest_.remove_prefix(end);
        const bool percent = number.ends_with('%');
        if (percent)
            number.remove_suffix(1);
        const ExactDecimal value = ExactDecimal::parse(number);
        return percent ? value.shifted(2) : value;
    }

    static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> brackets{
        {{"(", ")"}, {"（", "）"}}};

    std::string_view rest_;
    const OperationWorker& work_;
};

} // namespace

ExactDecimal workedExactly(Operation operation, const ExactDecimal& a, const ExactDecimal& b)
{
    switch (operation) {
    case Operation::Addition:
        return a + b;
    case Operation::Subtraction:
        return a - b;
    case Operation::Multiplication:
        return a * b;
    case Operation::Division:
        return a / b;
    }
    return ExactDecimal::none();
}

ExactDecimal readExpression(std::string_view text, const OperationWorker& work)
{
    return ExpressionReader(text, work).whole();
}

} // namespace quill
