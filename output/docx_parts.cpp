#include "output/docx_parts.h"

#include "output/docx_equation.h"
#include "output/docx_math.h"
#include "output/docx_runs.h"
#include "output/xml_text.h"

namespace quill
{

namespace
{

constexpr const char* xmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* wordNamespace =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";

void appendField(std::string& out, const Run& run)
{
    if (run.text.find_first_not_of(' ') == std::string::npos)
        return; // an empty field shows nothing
    if (const auto equation = equationXml(run.text, run.format))
        out += *equation;
    else
        appendFieldRuns(out, run.text, run.format);
}

MathNode fractionNode(const Run& run)
{
    MathNode fraction{MathNode::Kind::Fraction, {}, run.format, {}, {}};
    appendTextNode(fraction.upper, run.text, run.format);
    appendTextNode(fraction.lower, run.denominator, run.format);
    return fraction;
}

// Text and fractions between fields go out together, so that brackets can take in the
// fractions they enclose.
void appendTextAndFractions(std::string& out, std::vector<MathNode>& nodes)
{
    appendMathContent(out, withGrowingBrackets(nodes));
    nodes.clear();
}

// An empty paragraph closing the document, as one must after a table, is a point high: a
// table that ends at the foot of a page leaves no empty line to spill onto a page of its own.
void appendParagraph(std::string& out, const Paragraph& paragraph, bool keepWithNext = false,
                     bool closing = false)
{
    out += "<w:p><w:pPr>";
    if (keepWithNext)
        out += "<w:keepNext/>";
    if (paragraph.pageBreakBefore)
        out += "<w:pageBreakBefore/>";
    if (closing && paragraph.runs.empty())
        out += "<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"20\" w:lineRule=\"exact\"/>";
    out += paragraph.alignment == Alignment::Center ? "<w:jc w:val=\"center\"/>"
                                                    : "<w:jc w:val=\"left\"/>";
    appendRunProperties(out, paragraph.mark);
    out += "</w:pPr>";
    std::vector<MathNode> nodes;
    for (const Run& run : paragraph.runs) {
        switch (run.kind) {
        case RunKind::Text:
            appendTextNode(nodes, run.text, run.format);
            break;
        case RunKind::Fraction:
            nodes.push_back(fractionNode(run));
            break;
        case RunKind::Field:
            appendTextAndFractions(out, nodes);
            appendField(out, run);
            break;
        }
    }
    appendTextAndFractions(out, nodes);
    out += "</w:p>";
}

void appendBorder(std::string& out, const char* side, int style)
{
    out += "<w:";
    out += side;
    out += style == singleLine ? " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
                               : " w:val=\"nil\"/>";
}

// Column widths filling the text width; the last column takes what division leaves.
std::vector<int> columnWidths(const DocxDocument& document, int columns)
{
    const int width = document.textWidth() / columns;
    std::vector<int> widths(columns, width);
    widths.back() = document.textWidth() - width * (columns - 1);
    return widths;
}

void appendTable(std::string& out, const DocxDocument& document, const Table& table)
{
    const std::vector<int> widths = columnWidths(document, table.columns);
    out += "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(document.textWidth()) +
           "\" w:type=\"dxa\"/><w:jc w:val=\"center\"/><w:tblBorders>";
    for (const char* side : {"top", "left", "bottom", "right"})
        appendBorder(out, side, table.outsideLineStyle);
    for (const char* side : {"insideH", "insideV"})
        appendBorder(out, side, table.insideLineStyle);
    out += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/></w:tblPr><w:tblGrid>";
    for (int width : widths)
        out += "<w:gridCol w:w=\"" + std::to_string(width) + "\"/>";
    out += "</w:tblGrid>";

    for (const TableRow& row : table.rows) {
        // No worksheet row is meant to be cut in two by a page break. A row stays with the
        // next one when every paragraph in it keeps with the next.
        out += "<w:tr><w:trPr><w:cantSplit/>";
        if (row.minimumHeightTwips > 0)
            out += "<w:trHeight w:val=\"" + std::to_string(row.minimumHeightTwips) +
                   "\" w:hRule=\"atLeast\"/>";
        out += "</w:trPr>";
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            out += "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(widths[c]) +
                   "\" w:type=\"dxa\"/></w:tcPr>";
            for (const Paragraph& paragraph : row.cells[c].paragraphs)
                appendParagraph(out, paragraph, row.keepWithNext);
            out += "</w:tc>";
        }
        out += "</w:tr>";
    }
    out += "</w:tbl>";
}

std::string stylesXml()
{
    return std::string(xmlDeclaration) + "<w:styles " + wordNamespace +
           "><w:docDefaults><w:rPrDefault><w:rPr>"
           "<w:rFonts w:ascii=\"宋体\" w:hAnsi=\"宋体\" w:eastAsia=\"宋体\" w:cs=\"Times New "
           "Roman\"/>"
           "<w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/>"
           "<w:lang w:val=\"en-US\" w:eastAsia=\"zh-CN\" w:bidi=\"ar-SA\"/>"
           "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr>"
           "<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/>"
           "</w:pPr></w:pPrDefault></w:docDefaults>"
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
           "<w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
           "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\">"
           "<w:name w:val=\"Normal Table\"/><w:uiPriority w:val=\"99\"/><w:semiHidden/>"
           "<w:unhideWhenUsed/><w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar>"
           "<w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"108\" w:type=\"dxa\"/>"
           "<w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/>"
           "</w:tblCellMar></w:tblPr></w:style></w:styles>";
}

std::string settingsXml()
{
    // Without a compatibility mode Word would open the file in compatibility view.
    return std::string(xmlDeclaration) + "<w:settings " + wordNamespace +
           "><w:defaultTabStop w:val=\"420\"/><w:compat><w:compatSetting "
           "w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" "
           "w:val=\"15\"/></w:compat></w:settings>";
}

std::string contentTypesXml()
{
    const std::string main = "application/vnd.openxmlformats-officedocument.";
    return std::string(xmlDeclaration) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Override PartName=\"/word/document.xml\" ContentType=\"" +
           main + "wordprocessingml.document.main+xml\"/>" +
           "<Override PartName=\"/word/styles.xml\" ContentType=\"" + main +
           "wordprocessingml.styles+xml\"/>" +
           "<Override PartName=\"/word/settings.xml\" ContentType=\"" + main +
           "wordprocessingml.settings+xml\"/>" +
           "<Override PartName=\"/docProps/core.xml\" "
           "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
           "<Override PartName=\"/docProps/app.xml\" ContentType=\"" +
           main + "extended-properties+xml\"/></Types>";
}

std::string
relationshipsXml(std::initializer_list<std::pair<const char*, const char*>> typesAndTargets)
{
    std::string xml = std::string(xmlDeclaration) +
                      "<Relationships "
                      "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    int id = 1;
    for (const auto& [type, target] : typesAndTargets)
        xml += "<Relationship Id=\"rId" + std::to_string(id++) + "\" Type=\"" + type +
               "\" Target=\"" + target + "\"/>";
    return xml + "</Relationships>";
}

std::string coreXml(const std::string& title, const std::string& createdUtc)
{
    return std::string(xmlDeclaration) +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>" +
           xmlText(title) + "</dc:title><dc:creator>Quillmere</dc:creator>" +
           "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" + xmlText(createdUtc) +
           "</dcterms:created></cp:coreProperties>";
}

std::string appXml()
{
    return std::string(xmlDeclaration) +
           "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "extended-properties\"><Application>Quillmere</Application></Properties>";
}

} // namespace

std::string documentXml(const DocxDocument& document)
{
    std::string out = std::string(xmlDeclaration) + "<w:document " + wordNamespace +
                      " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                      "relationships\" xmlns:m=\"http://schemas.openxmlformats.org/"
                      "officeDocument/2006/math\"><w:body>";
    for (const Block& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block))
            appendParagraph(out, *paragraph, paragraph->keepWithNext,
                            &block == &document.blocks.back());
        else
            appendTable(out, document, std::get<Table>(block));
    }
    const PageMargins& m = document.margins;
    out += "<w:sectPr><w:pgSz w:w=\"" + std::to_string(document.pageWidth) + "\" w:h=\"" +
           std::to_string(document.pageHeight) + "\"/><w:pgMar w:top=\"" + std::to_string(m.top) +
           "\" w:right=\"" + std::to_string(m.right) + "\" w:bottom=\"" + std::to_string(m.bottom) +
           "\" w:left=\"" + std::to_string(m.left) +
           "\" w:header=\"851\" w:footer=\"992\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
    return out;
}

std::vector<DocxPart> docxParts(const DocxDocument& document, const std::string& title,
                                const std::string& createdUtc)
{
    const char* officeRelationships =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    const std::string officeDocument = std::string(officeRelationships) + "officeDocument";
    const std::string extended = std::string(officeRelationships) + "extended-properties";
    const std::string styles = std::string(officeRelationships) + "styles";
    const std::string settings = std::string(officeRelationships) + "settings";
    const char* core =
        "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";

    return {
        {"[Content_Types].xml", contentTypesXml()},
        {"_rels/.rels", relationshipsXml({{officeDocument.c_str(), "word/document.xml"},
                                          {core, "docProps/core.xml"},
                                          {extended.c_str(), "docProps/app.xml"}})},
        {"word/document.xml", documentXml(document)},
        {"word/_rels/document.xml.rels",
         relationshipsXml({{styles.c_str(), "styles.xml"}, {settings.c_str(), "settings.xml"}})},
        {"word/styles.xml", stylesXml()},
        {"word/settings.xml", settingsXml()},
        {"docProps/core.xml", coreXml(title, createdUtc)},
        {"docProps/app.xml", appXml()},
    };
}

} // namespace quill
