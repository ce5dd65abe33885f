#include "output/docx_equation.h"

#include "output/docx_runs.h"
#include "output/xml_text.h"

#include <vector>

namespace quill
{

namespace
{

struct Node {
    enum class Kind { Text, Fraction, Brackets };
    Kind kind = Kind::Text;
    std::string text;
    std::vector<Node> upper; // numerator, or what the brackets hold
    std::vector<Node> lower; // denominator
};

bool holdsFraction(const std::vector<Node>& nodes)
{
    for (const Node& node : nodes)
        if (node.kind != Node::Kind::Text)
            return true;
    return false;
}

std::string plainText(const std::vector<Node>& nodes)
{
    std::string text;
    for (const Node& node : nodes)
        text += node.text;
    return text;
}

void appendText(std::vector<Node>& nodes, char c)
{
    if (nodes.empty() || nodes.back().kind != Node::Kind::Text)
        nodes.push_back({});
    nodes.back().text += c;
}

// Reads the code after "EQ": text, "(…)" and "\F(…,…)", nested freely.
class Parser
{
public:
    explicit Parser(std::string_view code) : code_(code) {}

    std::optional<std::vector<Node>> parseAll()
    {
        auto nodes = parseSequence(false, false);
        if (!nodes || pos_ != code_.size())
            return std::nullopt;
        return nodes;
    }

private:
    // Stops before a ',' or ')' that ends the enclosing construct.
    std::optional<std::vector<Node>> parseSequence(bool stopAtComma, bool stopAtBracket)
    {
        std::vector<Node> nodes;
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
                if (holdsFraction(brackets->upper))
                    nodes.push_back(std::move(*brackets));
                else
                    for (char t : "(" + plainText(brackets->upper) + ")")
                        appendText(nodes, t);
            } else {
                appendText(nodes, c);
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

    std::optional<Node> parseFraction()
    {
        ++pos_; // the backslash
        if (!(accept('F') || accept('f')) || !accept('('))
            return std::nullopt;
        Node node{Node::Kind::Fraction, {}, {}, {}};
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

    std::optional<Node> parseBrackets()
    {
        ++pos_; // "("
        auto inner = parseSequence(false, true);
        if (!inner || !accept(')'))
            return std::nullopt;
        return Node{Node::Kind::Brackets, {}, std::move(*inner), {}};
    }

    std::string_view code_;
    std::size_t pos_ = 0;
};

void appendMath(std::string& out, const std::vector<Node>& nodes, const RunFormat& format);

void appendMathText(std::string& out, std::string_view text, const RunFormat& format)
{
    out += "<m:r>";
    appendRunProperties(out, RunFormat{false, "Cambria Math", format.halfPoints});
    out += "<m:t xml:space=\"preserve\">";
    appendXmlText(out, text);
    out += "</m:t></m:r>";
}

void appendMathNode(std::string& out, const Node& node, const RunFormat& format)
{
    switch (node.kind) {
    case Node::Kind::Text:
        appendMathText(out, node.text, format);
        break;
    case Node::Kind::Fraction:
        out += "<m:f><m:num>";
        appendMath(out, node.upper, format);
        out += "</m:num><m:den>";
        appendMath(out, node.lower, format);
        out += "</m:den></m:f>";
        break;
    case Node::Kind::Brackets:
        out += "<m:d><m:dPr><m:begChr m:val=\"(\"/><m:endChr m:val=\")\"/></m:dPr><m:e>";
        appendMath(out, node.upper, format);
        out += "</m:e></m:d>";
        break;
    }
}

void appendMath(std::string& out, const std::vector<Node>& nodes, const RunFormat& format)
{
    for (const Node& node : nodes)
        appendMathNode(out, node, format);
}

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
    const auto nodes = Parser(*body).parseAll();
    if (!nodes)
        return std::nullopt;

    // Math nodes side by side share one m:oMath; text between them stays outside.
    std::string out;
    bool mathOpen = false;
    for (const Node& node : *nodes) {
        const bool math = node.kind != Node::Kind::Text;
        if (math && !mathOpen)
            out += "<m:oMath>";
        if (!math && mathOpen)
            out += "</m:oMath>";
        mathOpen = math;
        if (math)
            appendMathNode(out, node, format);
        else
            appendTextRun(out, node.text, format);
    }
    if (mathOpen)
        out += "</m:oMath>";
    return out;
}

} // namespace quill
