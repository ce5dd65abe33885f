#include "output/docx_math.h"

#include "output/docx_runs.h"
#include "output/xml_text.h"

namespace quill
{

namespace
{

void appendNodes(std::vector<MathNode>& to, const std::vector<MathNode>& nodes)
{
    for (const MathNode& node : nodes) {
        if (node.kind == MathNode::Kind::Text)
            appendTextNode(to, node.text, node.format);
        else
            to.push_back(node);
    }
}

// Brackets still open while the nodes are read.
struct OpenBracket {
    RunFormat format; // of the "(" itself, should it stay text
    std::vector<MathNode> inside;
};

class BracketGrouping
{
public:
    BracketGrouping() : frames_(1) {}

    void add(const MathNode& node)
    {
        if (node.kind != MathNode::Kind::Text) {
            frames_.back().inside.push_back(node);
            return;
        }
        std::size_t start = 0;
        for (std::size_t i = 0; i < node.text.size(); ++i) {
            const char c = node.text[i];
            if (c != '(' && c != ')')
                continue;
            appendTextNode(frames_.back().inside, node.text.substr(start, i - start), node.format);
            if (c == '(')
                frames_.push_back({node.format, {}});
            else
                close(node.format);
            start = i + 1;
        }
        appendTextNode(frames_.back().inside, node.text.substr(start), node.format);
    }

    std::vector<MathNode> finish()
    {
        while (frames_.size() > 1)
            unwind();
        return std::move(frames_.front().inside);
    }

private:
    void close(const RunFormat& format)
    {
        if (frames_.size() == 1) {
            appendTextNode(frames_.back().inside, ")", format);
            return;
        }
        if (!holdsMath(frames_.back().inside)) {
            unwind();
            appendTextNode(frames_.back().inside, ")", format);
            return;
        }
        MathNode brackets{MathNode::Kind::Brackets, {}, format, {}, {}};
        brackets.upper = std::move(frames_.back().inside);
        frames_.pop_back();
        frames_.back().inside.push_back(std::move(brackets));
    }

    // An open bracket that groups nothing: "(" and what follows it go back as they were.
    void unwind()
    {
        OpenBracket open = std::move(frames_.back());
        frames_.pop_back();
        appendTextNode(frames_.back().inside, "(", open.format);
        appendNodes(frames_.back().inside, open.inside);
    }

    std::vector<OpenBracket> frames_;
};

void appendMath(std::string& out, const std::vector<MathNode>& nodes);

void appendMathText(std::string& out, std::string_view text, const RunFormat& format)
{
    out += "<m:r>";
    appendRunProperties(out, RunFormat{false, "Cambria Math", format.halfPoints});
    out += "<m:t xml:space=\"preserve\">";
    appendXmlText(out, text);
    out += "</m:t></m:r>";
}

void appendMathNode(std::string& out, const MathNode& node)
{
    switch (node.kind) {
    case MathNode::Kind::Text:
        appendMathText(out, node.text, node.format);
        break;
    case MathNode::Kind::Fraction:
        out += "<m:f><m:num>";
        appendMath(out, node.upper);
        out += "</m:num><m:den>";
        appendMath(out, node.lower);
        out += "</m:den></m:f>";
        break;
    case MathNode::Kind::Brackets:
        out += "<m:d><m:dPr><m:begChr m:val=\"(\"/><m:endChr m:val=\")\"/></m:dPr><m:e>";
        appendMath(out, node.upper);
        out += "</m:e></m:d>";
        break;
    }
}

void appendMath(std::string& out, const std::vector<MathNode>& nodes)
{
    for (const MathNode& node : nodes)
        appendMathNode(out, node);
}

} // namespace

bool holdsMath(const std::vector<MathNode>& nodes)
{
    for (const MathNode& node : nodes)
        if (node.kind != MathNode::Kind::Text)
            return true;
    return false;
}

void appendTextNode(std::vector<MathNode>& nodes, std::string_view text, const RunFormat& format)
{
    if (text.empty())
        return;
    if (!nodes.empty() && nodes.back().kind == MathNode::Kind::Text &&
        nodes.back().format == format)
        nodes.back().text += text;
    else
        nodes.push_back({MathNode::Kind::Text, std::string(text), format, {}, {}});
}

std::vector<MathNode> withGrowingBrackets(const std::vector<MathNode>& nodes)
{
    BracketGrouping grouping;
    for (const MathNode& node : nodes)
        grouping.add(node);
    return grouping.finish();
}

void appendMathContent(std::string& out, const std::vector<MathNode>& nodes)
{
    bool mathOpen = false;
    for (const MathNode& node : nodes) {
        const bool math = node.kind != MathNode::Kind::Text;
        if (math && !mathOpen)
            out += "<m:oMath>";
        if (!math && mathOpen)
            out += "</m:oMath>";
        mathOpen = math;
        if (math)
            appendMathNode(out, node);
        else
            appendTextRun(out, node.text, node.format);
    }
    if (mathOpen)
        out += "</m:oMath>";
}

} // namespace quill
