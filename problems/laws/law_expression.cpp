#include "problems/laws/law_expression.h"

#include "problems/expressions/expression_reader.h"
#include "problems/laws/law_operands.h"

namespace quill
{

std::string writtenExpression(std::string_view pattern, const LawOperands& o)
{
    std::string text;
    for (const char c : pattern) {
        switch (c) {
        case 'A':
            text += o.a.text();
            break;
        case 'B':
            text += o.b.text();
            break;
        case 'C':
            text += o.c.text();
            break;
        case 'P':
            text += (o.a * o.b * o.c).text();
            break;
        case 'Q':
            text += (o.a / o.b * o.c).text();
            break;
        default:
            text += c;
        }
    }
    return text;
}

ExactDecimal expressionValue(std::string_view expression)
{
    return readExpression(expression);
}

} // namespace quill
