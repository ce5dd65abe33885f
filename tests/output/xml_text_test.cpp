#include "output/xml_text.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(XmlText, EscapesMarkupCharacters)
{
    EXPECT_EQ(xmlText("a<b & c>\"d\"'"), "a&lt;b &amp; c&gt;&quot;d&quot;'");
    EXPECT_EQ(xmlText("&amp;"), "&amp;amp;");
}

TEST(XmlText, KeepsUnicodeTextAsItIs)
{
    EXPECT_EQ(xmlText("37＋48＝ 7……2 ≈ 宋体 𝄞"), "37＋48＝ 7……2 ≈ 宋体 𝄞");
    EXPECT_EQ(xmlText("a\tb\nc"), "a\tb\nc");
}

TEST(XmlText, ReplacesBytesThatAreNotUtf8AndDropsControlCharacters)
{
    EXPECT_EQ(xmlText("a\x01"
                      "b\x1f"
                      "c"),
              "abc");
    EXPECT_EQ(xmlText(std::string_view("a\0b", 3)), "ab");
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(xmlText("\xB2\xE2"), replacement + replacement);                   // GBK bytes
    EXPECT_EQ(xmlText("x\xE4\xB8"), "x" + replacement + replacement);            // cut sequence
    EXPECT_EQ(xmlText("\xC0\xAF"), replacement + replacement);                   // overlong "/"
    EXPECT_EQ(xmlText("\xED\xA0\x80"), replacement + replacement + replacement); // surrogate
    EXPECT_EQ(xmlText("\xEF\xBF\xBF"), replacement + replacement + replacement); // U+FFFF
}

} // namespace
} // namespace quill
