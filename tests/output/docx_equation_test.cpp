#include "output/docx_equation.h"

#include <gtest/gtest.h>
#include <regex>

namespace quill
{
namespace
{

const RunFormat tableFont{false, "楷体", 22};

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The texts of the math runs (m:t) and of the ordinary runs (w:t), in order.
std::vector<std::string> texts(const std::string& xml, const std::string& tag)
{
    std::vector<std::string> found;
    const std::regex element("<" + tag + "[^>]*>([^<]*)</" + tag + ">");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), element);
         it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

std::string fraction(const std::string& a, const std::string& b)
{
    const auto run = [](const std::string& t) {
        return "<m:r>.*?<m:t xml:space=\"preserve\">" + t + "</m:t></m:r>";
    };
    return "<m:f><m:num>" + run(a) + "</m:num><m:den>" + run(b) + "</m:den></m:f>";
}

TEST(EquationXml, TwoFractionsAndTheirAnswer)
{
    const auto xml = equationXml("EQ \\F(3,8) +  \\F(1,8) ＝ \\F(1,2)", tableFont);
    ASSERT_TRUE(xml);
    EXPECT_TRUE(std::regex_search(*xml, std::regex(fraction("3", "8"))));
    EXPECT_TRUE(std::regex_search(*xml, std::regex(fraction("1", "8"))));
    EXPECT_TRUE(std::regex_search(*xml, std::regex(fraction("1", "2"))));
    EXPECT_EQ(texts(*xml, "m:t"), (std::vector<std::string>{"3", "8", "1", "8", "1", "2"}));
    // The sign and the equals sign are ordinary runs in the table font, between the maths.
    EXPECT_EQ(texts(*xml, "w:t"), (std::vector<std::string>{" +  ", " ＝ "}));
    EXPECT_EQ(count(*xml, "<m:oMath>"), 3);
    EXPECT_EQ(count(*xml, "w:eastAsia=\"楷体\""), 2);
    EXPECT_EQ(count(*xml, "<w:sz w:val=\"22\"/>"), 8); // two text runs, six math runs
}

TEST(EquationXml, WholeNumbersAndUnclosedEndsStayText)
{
    const auto whole = equationXml("EQ 2 +  \\F(1,3) ＝ \\F(7,3)", tableFont);
    ASSERT_TRUE(whole);
    EXPECT_EQ(texts(*whole, "w:t"), (std::vector<std::string>{"2 +  ", " ＝ "}));
    EXPECT_EQ(count(*whole, "<m:f>"), 2);

    const auto open = equationXml("EQ \\F(1,2) × 1＝ \\F(1,2)", tableFont);
    ASSERT_TRUE(open);
    EXPECT_EQ(texts(*open, "w:t"), (std::vector<std::string>{" × 1＝ "}));

    const auto reduction = equationXml("EQ \\F(6,8) ", tableFont);
    ASSERT_TRUE(reduction);
    EXPECT_EQ(texts(*reduction, "w:t"), (std::vector<std::string>{" "}));
    EXPECT_EQ(texts(*reduction, "m:t"), (std::vector<std::string>{"6", "8"}));
}

TEST(EquationXml, BracketsAroundFractionsGrowWithThem)
{
    const auto xml = equationXml("EQ (\\F(3,8) ＋  \\F(1,8))×5= \\F(5,2)", tableFont);
    ASSERT_TRUE(xml);
    EXPECT_TRUE(std::regex_search(
        *xml,
        std::regex("<m:oMath><m:d><m:dPr><m:begChr m:val=\"\\(\"/><m:endChr "
                   "m:val=\"\\)\"/></m:dPr><m:e>" +
                   fraction("3", "8") + ".*" + fraction("1", "8") + "</m:e></m:d></m:oMath>")));
    EXPECT_EQ(texts(*xml, "m:t"),
              (std::vector<std::string>{"3", "8", " ＋  ", "1", "8", "5", "2"}));
    EXPECT_EQ(texts(*xml, "w:t"), (std::vector<std::string>{"×5= "}));
    // Brackets without a fraction inside are plain text.
    const auto plain = equationXml("EQ (1＋2)×\\F(1,3)", tableFont);
    ASSERT_TRUE(plain);
    EXPECT_EQ(texts(*plain, "w:t"), (std::vector<std::string>{"(1＋2)×"}));
}

TEST(EquationXml, NeverNestsMathAndEscapesText)
{
    const auto xml = equationXml("eq \\f(\\F(1,2),3)\\F(4,5) <&>", tableFont);
    ASSERT_TRUE(xml);
    EXPECT_EQ(count(*xml, "<m:oMath>"), 1); // adjacent fractions share one
    EXPECT_EQ(count(*xml, "<m:f>"), 3);
    EXPECT_NE(xml->find("<m:num><m:f>"), std::string::npos);
    EXPECT_EQ(texts(*xml, "w:t"), (std::vector<std::string>{" &lt;&amp;&gt;"}));
}

TEST(EquationXml, RefusesWhatIsNoEquationOfFractions)
{
    for (const char* code : {"", "  ", "PAGE", "EQUATION", "EQ \\F(3,8", "EQ \\F(3)", "EQ \\F3,8)",
                             "EQ \\R(2)", "EQ (\\F(1,2)", "EQ \\F(1,(2)"})
        EXPECT_FALSE(equationXml(code, tableFont)) << code;
}

} // namespace
} // namespace quill
