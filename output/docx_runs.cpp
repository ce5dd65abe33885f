#include "output/docx_runs.h"

#include "output/xml_text.h"

namespace quill
{

void appendRunProperties(std::string& out, const RunFormat& format)
{
    const std::string font = xmlText(format.fontName);
    const std::string size = std::to_string(format.halfPoints);
    out += "<w:rPr><w:rFonts w:ascii=\"" + font + "\" w:hAnsi=\"" + font + "\" w:eastAsia=\"" +
           font + "\" w:hint=\"eastAsia\"/>";
    if (format.bold)
        out += "<w:b/><w:bCs/>";
    out += "<w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/></w:rPr>";
}

void appendTextRun(std::string& out, std::string_view text, const RunFormat& format)
{
    if (text.empty())
        return;
    out += "<w:r>";
    appendRunProperties(out, format);
    while (!text.empty()) {
        const std::size_t tab = text.find('\t');
        const std::string_view piece = text.substr(0, tab);
        if (!piece.empty()) {
            out += "<w:t xml:space=\"preserve\">";
            appendXmlText(out, piece);
            out += "</w:t>";
        }
        if (tab == std::string_view::npos)
            break;
        out += "<w:tab/>";
        text.remove_prefix(tab + 1);
    }
    out += "</w:r>";
}

void appendFieldRuns(std::string& out, std::string_view code, const RunFormat& format)
{
    const auto fieldCharacter = [&](std::string_view type) {
        out += "<w:r>";
        appendRunProperties(out, format);
        out += "<w:fldChar w:fldCharType=\"";
        out += type;
        out += "\"/></w:r>";
    };
    fieldCharacter("begin");
    out += "<w:r>";
    appendRunProperties(out, format);
    out += "<w:instrText xml:space=\"preserve\">";
    appendXmlText(out, code);
    out += "</w:instrText></w:r>";
    fieldCharacter("separate");
    fieldCharacter("end");
}

} // namespace quill
