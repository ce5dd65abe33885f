#include "engine/answering_input.h"

#include "base/number_text.h"
#include "base/utf8.h"

#include <array>
#include <string>
#include <utility>

namespace quill
{

namespace
{

// Full-width forms a Chinese input method types, and the plain character each stands for.
constexpr std::array<std::pair<std::string_view, char>, 7> wideForms{
    {{"．", '.'}, {"。", '.'}, {"－", '-'}, {"＋", '+'}, {"％", '%'}, {"　", ' '}, {"／", '/'}}};

// U+FF10..U+FF19, the full-width digits, are EF BC 90..99 in UTF-8.
bool wideDigitAt(std::string_view text, size_t at, char& digit)
{
    if (at + 3 > text.size() || text.compare(at, 2, "\xEF\xBC") != 0)
        return false;
    const auto last = static_cast<unsigned char>(text[at + 2]);
    if (last < 0x90 || last > 0x99)
        return false;
    digit = static_cast<char>('0' + (last - 0x90));
    return true;
}

std::string plainForm(std::string_view typed)
{
    std::string plain;
    for (size_t at = 0; at < typed.size();) {
        char replacement = 0;
        size_t width = 0;
        if (wideDigitAt(typed, at, replacement))
            width = 3;
        for (const auto& [wide, ascii] : wideForms)
            if (width == 0 && typed.substr(at).starts_with(wide)) {
                replacement = ascii;
                width = wide.size();
            }
        plain += width ? replacement : typed[at];
        at += width ? width : 1;
    }
    return plain;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr std::array<std::string_view, 5> remainderMarks = {"……", "…", "...", "余", " "};

// What one number of an answer holds so far: "-", digits, a point, "/" and "%".
struct NumberSoFar {
    bool started = false; // a digit, point, "/" or "%" was typed
    int points = 0;
    int slashes = 0;
    bool percent = false;

    bool takes(char c, bool negatives)
    {
        if (percent) // nothing follows the percent sign
            return false;
        if (c == '-') {
            if (!negatives || started)
                return false;
            started = true;
            return true;
        }
        started = true;
        if (c >= '0' && c <= '9')
            return true;
        if (c == '.')
            return ++points <= 1;
        if (c == '/')
            return ++slashes <= 1;
        if (c == '%')
            return percent = true;
        return false;
    }
};

// The remainder marks in their plain form, longest first; ".." is "..." half typed.
constexpr std::array<std::string_view, 5> plainRemainderMarks = {"……", "...", "..", "…", "余"};
constexpr char markStandIn = '\x01';

// The plain form with each remainder mark as one stand-in character.
std::string marksAsOneCharacter(std::string text)
{
    for (const std::string_view mark : plainRemainderMarks)
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
            text.replace(at, mark.size(), 1, markStandIn);
    return text;
}

} // namespace

bool answerTextAllowed(std::string_view typed, AnswerCharacters allowed)
{
    const std::string plain = plainForm(typed);
    const std::string text = allowed.remainders ? marksAsOneCharacter(plain) : plain;
    NumberSoFar number;
    int marks = 0;   // a quotient and its remainder are parted by one mark
    int numbers = 0; // and an answer holds no more numbers than that
    const int mostNumbers = allowed.remainders ? 2 : 1;
    for (const char c : text) {
        if (isBlank(c) || c == '\r' || c == '\n' || c == markStandIn) {
            if (c == markStandIn && ++marks > 1)
                return false;
            number = {};
            continue;
        }
        if (!number.started && ++numbers > mostNumbers)
            return false;
        if (!number.takes(c, allowed.negatives))
            return false;
    }
    return true;
}

std::string notAnAnswerMessage(std::string_view typed, AnswerCharacters allowed)
{
    std::string may = "数字、小数点、分数线“/”、百分号“%”";
    if (allowed.remainders)
        may += "、余数前的“……”";
    if (allowed.negatives)
        may += "、负号“-”";
    return "“" + std::string(trimmed(typed)) + "”不是答案：答案里只能有" + may +
           "，每个数最多一个小数点。请再写一次！";
}

std::optional<double> typedNumber(std::string_view typed)
{
    std::string text = plainForm(typed);
    while (!text.empty() && isBlank(text.back()))
        text.pop_back();
    if (text.find_first_not_of(" \t") == std::string::npos)
        return std::nullopt;
    const double value = numericValue(text);
    return text.back() == '%' ? value / 100 : value;
}

namespace
{

// Digits only, at most 15 of them: far beyond an answer, and safe from overflow.
std::optional<long long> wholeDigits(std::string_view text)
{
    if (text.empty() || text.size() > 15 ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoll(std::string(text));
}

} // namespace

std::optional<TypedFraction> typedFraction(std::string_view typed)
{
    const std::string plain = plainForm(typed);
    std::string_view text = trimmed(plain);
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    const std::size_t slash = text.find('/');
    const std::optional<long long> numerator = wholeDigits(text.substr(0, slash));
    const std::optional<long long> denominator = slash == std::string_view::npos
                                                     ? std::optional<long long>(1)
                                                     : wholeDigits(text.substr(slash + 1));
    if (!numerator || !denominator)
        return std::nullopt;
    return TypedFraction{negative ? -*numerator : *numerator, *denominator};
}

TypedAnswer splitTypedAnswer(std::string_view line, bool takesRemainder)
{
    line = trimmed(line);
    if (!takesRemainder)
        return {std::string(line), {}};
    for (const std::string_view mark : remainderMarks)
        if (const std::size_t at = line.find(mark); at != std::string_view::npos)
            return {std::string(trimmed(line.substr(0, at))),
                    std::string(trimmed(line.substr(at + mark.size())))};
    return {std::string(line), {}};
}

} // namespace quill
