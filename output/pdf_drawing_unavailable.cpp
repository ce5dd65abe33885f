#include "output/pdf_drawing.h"

namespace quill
{

bool pdfAvailable()
{
    return false;
}

std::optional<std::string> pdfBytes(const DocxDocument&, std::string_view, std::string& reason)
{
    reason = pdfUnavailableMessage;
    return std::nullopt;
}

std::optional<PageImage> firstPageImage(const DocxDocument&, double, std::string& reason)
{
    reason = pdfUnavailableMessage;
    return std::nullopt;
}

} // namespace quill
