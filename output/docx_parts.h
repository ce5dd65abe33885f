#pragma once

// The parts of a .docx package, as XML text.

#include "output/docx_document.h"

#include <string>

namespace quill
{

struct DocxPart {
    std::string name; // path inside the package
    std::string xml;
};

// word/document.xml: the body with its paragraphs and tables and the page set-up.
std::string documentXml(const DocxDocument& document);

// Every part of the package, [Content_Types].xml first. `title` and `createdUtc`
// ("2026-12-09T10:45:01Z") go into the document properties.
std::vector<DocxPart> docxParts(const DocxDocument& document, const std::string& title,
                                const std::string& createdUtc);

} // namespace quill
