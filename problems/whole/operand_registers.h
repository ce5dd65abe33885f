#pragma once

#include <string>

namespace quill {

// The last pair drawn (and one further operand drawn with it), kept as texts such as
// "37", "4.5" or "25%" until the next draw overwrites them.
struct OperandRegisters {
    std::string firstOperand;
    std::string secondOperand;
    std::string extraOperand;
};

} // namespace quill
