#include "output/docx_equation.h"

#include "output/docx_math.h"

#include <vector>

namespace quill
{

namespace
{

std::string plainText(const std::vector<MathNode>& nodes)
{
    std::string text;
    for (const MathNode& node : nodes)
        text += node.text;
    return text;
}

// Reads the code after "EQ": text, "(…)" and "\F(…,…)", nested freely.
class Parser
{
public:
    Parser(std::string_view code, const RunFormat& format) : code_(code), format_(format) {}

    std::optional<std::vector<MathNode>> parseAll()
    {
        auto nodes = parseSequence(false, false);
        if (!nodes || pos_ != code_.size())
            return std::nullopt;
        return nodes;
    }

private:
    // Stops before a ',' or ')' that ends the enclosing construct.
    std::optional<std::vector<MathNode>> parseSequence(bool stopAtComma, bool stopAtBracket)
    {
        std::vector<MathNode> nodes;
        while (pos_ < code_.size()) {
            const char c = code_[pos_];
            if ((c == ',' && stopAtComma) || (c == ')' && stopAtBracket))
                return nodes;
            if (c == '\\') {
                auto fraction = parseFraction();
                if (!fraction)
                    return std::nullopt;
                nodes.push_back(std::move(*fraction));
            } else if (c == '(') {
                auto brackets = parseBrackets();
                if (!brackets)
                    return std::nullopt;
                if (holdsMath(brackets->upper))
                    nodes.push_back(std::move(*brackets));
                else
                    appendTextNode(nodes, "(" + plainText(brackets->upper) + ")", format_);
            } else {
                appendTextNode(nodes, code_.substr(pos_, 1), format_);
                ++pos_;
            }
        }
        return nodes;
    }

    bool accept(char c)
    {
        if (pos_ < code_.size() && code_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    std::optional<MathNode> parseFraction()
    {
        ++pos_; // the backslash
        if (!(accept('F') || accept('f')) || !accept('('))
            return std::nullopt;
        MathNode node{MathNode::Kind::Fraction, {}, format_, {}, {}};
        auto upper = parseSequence(true, true);
        if (!upper || !accept(','))
            return std::nullopt;
        auto lower = parseSequence(false, true);
        if (!lower || !accept(')'))
            return std::nullopt;
        node.upper = std::move(*upper);
        node.lower = std::move(*lower);
        return node;
    }

    std::optional<MathNode> parseBrackets()
    {
        ++pos_; // "("
        auto inner = parseSequence(false, true);
        if (!inner || !accept(')'))
            return std::nullopt;
        return MathNode{MathNode::Kind::Brackets, {}, format_, std::move(*inner), {}};
    }

    std::string_view code_;
    RunFormat format_;
    std::size_t pos_ = 0;
};

// "EQ" and the blank after it, in any letter case; empty when the code is no EQ field.
std::optional<std::string_view> equationBody(std::string_view code)
{
    const auto start = code.find_first_not_of(' ');
    if (start == std::string_view::npos || code.size() < start + 2)
        return std::nullopt;
    code.remove_prefix(start);
    if ((code[0] != 'E' && code[0] != 'e') || (code[1] != 'Q' && code[1] != 'q'))
        return std::nullopt;
    code.remove_prefix(2);
    if (code.empty())
        return code;
    if (code.front() != ' ')
        return std::nullopt;
    return code.substr(1);
}

} // namespace

std::optional<std::string> equationXml(std::string_view code, const RunFormat& format)
{
    const auto body = equationBody(code);
    if (!body)
        return std::nullopt;
    const auto nodes = Parser(*body, format).parseAll();
    if (!nodes)
        return std::nullopt;
    std::string out;
    appendMathContent(out, *nodes);
    return out;
}

} // namespace quill
