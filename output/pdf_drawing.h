#pragma once

// Draws a laid-out document (output/pdf_layout) with cairo: as a PDF whose fonts are embedded
// as subsets of the glyphs used, or its first page as a picture for the window's preview.
// Both measure and draw with the same CJK fonts, found through fontconfig the first time a
// document is drawn, so a preview shows what the PDF will print.
//
// A build without cairo (QUILLMERE_PDF off, as on Windows) links pdf_drawing_unavailable.cpp
// instead, whose functions only say that no PDF can be drawn.

#include "output/docx_document.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// False in a build without cairo.
bool pdfAvailable();

inline constexpr std::string_view pdfUnavailableMessage =
    "这个版本的 Quillmere 不能写 PDF，也不能预览，只能写 Word 文档：请把格式改为 Word 文档"
    "（--format docx）。";

// The PDF file of `document`; none when no font or cairo failed, with the reason in `reason`.
std::optional<std::string> pdfBytes(const DocxDocument& document, std::string_view title,
                                    std::string& reason);

// A page drawn in 32-bit pixels, each 0xAARRGGBB in the machine's byte order, rows `stride`
// bytes apart.
struct PageImage {
    int width = 0;
    int height = 0;
    int stride = 0;
    int pageCount = 0; // of the whole document
    std::vector<unsigned char> pixels;
};

std::optional<PageImage> firstPageImage(const DocxDocument& document, double pixelsPerPoint,
                                        std::string& reason);

} // namespace quill
