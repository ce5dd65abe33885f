#pragma once

// A whole-number, decimal or percent item: numbers joined by one operation (37＋48, 4.5×6,
// 25%÷5). Drawn items hold two numbers; a saved list may hold a chain (12÷3÷2) or a lone
// number, and every reader takes those as well.

#include "base/exact_decimal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

enum class Operation { Addition, Subtraction, Multiplication, Division };

// "＋", "－", "×", "÷".
std::string_view signOf(Operation operation);

// The blank a 填数 item leaves for the pupil.
inline constexpr std::string_view fillInBlank = "______";

// How an item's text shows the number its blank leaves out: as the number, as the blank
// ("______＋48") or, on the answer sheet, marked as the number that fills it ("（37）＋48"),
// in the brackets a blank to fill has on Chinese worksheets.
enum class BlankShown { AsNumber, AsBlank, Filled };

// A number as an item writes it ("37", "4.5", "25%") and what it is worth, exactly: 25% is
// 0.25. A text with no leading number is worth no number.
struct WrittenNumber {
    std::string text;
    ExactDecimal amount = ExactDecimal::none();

    static WrittenNumber of(std::string text);
    bool percent() const { return text.find('%') != std::string::npos; }

    friend bool operator==(const WrittenNumber& a, const WrittenNumber& b) { return a.text == b.text; }
};

struct OperationItem {
    std::vector<WrittenNumber> terms;
    std::optional<Operation> operation;  // none for a lone number
    std::optional<std::size_t> blank;    // 填数: the number a question sheet leaves out

    static OperationItem of(const std::string& first, Operation operation,
                            const std::string& second);
    // A saved item, cut at every occurrence of the first of ÷ × － ＋ it holds.
    static OperationItem read(std::string_view text);

    // "37＋48", "______＋48" or "（37）＋48"; the same for an item without a blank.
    std::string text(BlankShown shown = BlankShown::AsNumber) const;
    bool isPair() const { return terms.size() == 2 && operation.has_value(); }

    friend bool operator==(const OperationItem&, const OperationItem&) = default;
};

} // namespace quill
