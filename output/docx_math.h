#pragma once

// Paragraph content that mixes ordinary text with Office Math: fractions drawn stacked, and
// brackets that grow with the fractions they hold. Every word processor draws Office Math
// as soon as the file is opened, without fields to update.

#include "output/docx_document.h"

#include <string>
#include <vector>

namespace quill
{

struct MathNode {
    enum class Kind { Text, Fraction, Brackets };
    Kind kind = Kind::Text;
    std::string text;            // the characters of a text node
    RunFormat format;            // a text node's format; math takes its size from it
    std::vector<MathNode> upper; // a fraction's numerator, or what brackets hold
    std::vector<MathNode> lower; // a fraction's denominator
};

// Whether any node is a fraction or brackets.
bool holdsMath(const std::vector<MathNode>& nodes);

// A text node, appended to the last node when that is text of the same format.
void appendTextNode(std::vector<MathNode>& nodes, std::string_view text, const RunFormat& format);

// Each pair "(" … ")" in the text nodes that encloses a fraction becomes a brackets node, so
// that the brackets are drawn as tall as the fraction; other brackets stay text.
std::vector<MathNode> withGrowingBrackets(const std::vector<MathNode>& nodes);

// Math nodes side by side share one m:oMath (never nested); text nodes between them stay
// ordinary runs in their own format, so signs look like the rest of the cell.
void appendMathContent(std::string& out, const std::vector<MathNode>& nodes);

} // namespace quill
