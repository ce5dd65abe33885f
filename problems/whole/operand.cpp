#include "problems/whole/operand.h"

#include "base/number_text.h"

namespace quill
{

Operand& Operand::operator=(std::string text)
{
    value_ = numericValue(text);
    percent_ = false;
    text_ = std::move(text);
    written_ = true;
    return *this;
}

void Operand::setNumber(double value)
{
    value_ = value;
    percent_ = false;
    written_ = false;
}

void Operand::markPercent()
{
    if (written_)
        text_ += '%';
    percent_ = true;
}

double Operand::amount() const
{
    const bool percent = percent_ || (written_ && text_.ends_with('%'));
    return percent ? value_ / 100 : value_;
}

const std::string& Operand::text() const
{
    if (!written_) {
        text_ = shortestText(value_);
        if (percent_)
            text_ += '%';
        written_ = true;
    }
    return text_;
}

} // namespace quill
