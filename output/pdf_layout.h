#pragma once

// Lays out the document a writer built (output/docx_document.h) on pages, as a word
// processor would: lines wrapped to their cell or the text width, rows at least their asked
// height, a row kept on the page of the next one where asked, borders around the cells.
// The result holds only positions, so the drawing (output/pdf_drawing) and the tests share
// it. Lengths are in points, y grows downwards from the top of the page.

#include "output/docx_document.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// How wide a text is drawn in a format; the layout asks this for every piece it places.
class TextMeasure
{
public:
    virtual ~TextMeasure() = default;
    virtual double width(const RunFormat& format, std::string_view text) const = 0;
};

// Text placed at its baseline; `verticalScale` above 1 stretches a bracket around fractions.
struct PlacedText {
    double x = 0;
    double baseline = 0;
    RunFormat format;
    std::string text;
    double verticalScale = 1;
};

struct PlacedLine {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double width = 0.5;
};

struct LaidOutPage {
    std::vector<PlacedText> texts; // in reading order: paragraphs, then cells row by row
    std::vector<PlacedLine> lines; // borders and fraction bars
};

struct PageLayout {
    double width = 0;
    double height = 0;
    std::vector<LaidOutPage> pages;
};

PageLayout layOutDocument(const DocxDocument& document, const TextMeasure& measure);

// What sets a line's height: Latin text only (or none), Chinese text, or a stacked fraction.
enum class LineKind { Latin, Chinese, Fraction };

// The height of a line at `fontSize`, its largest size.
double lineHeightOf(double fontSize, LineKind kind);

} // namespace quill
