#pragma once

// The document as the .docx backend holds it while a writer builds it: paragraphs and
// tables in order, each run with its own character format. Lengths are in twips
// (1/20 point) and font sizes in half points, the units of the file format.

#include "output/word_processor.h"

#include <string>
#include <variant>
#include <vector>

namespace quill
{

inline constexpr int twipsPerPoint = 20;
inline constexpr int a4WidthTwips = 11906;
inline constexpr int a4HeightTwips = 16838;

struct RunFormat {
    bool bold = false;
    std::string fontName = "宋体";
    int halfPoints = 21; // 10.5 pt, the body size of a Chinese document

    bool operator==(const RunFormat&) const = default;
};

enum class RunKind { Text, Field, Fraction };

// A run of text, a field whose code is `text`, or a fraction `text` over `denominator`.
struct Run {
    RunFormat format;
    std::string text;
    RunKind kind = RunKind::Text;
    std::string denominator;
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    RunFormat mark; // format of the paragraph mark, which sets the height of an empty line
    std::vector<Run> runs;
    bool keepWithNext = false; // on the page of what follows (a heading above its table)
    bool pageBreakBefore = false; // starts a page (each pupil's sheet in a class's document)
};

struct TableCell {
    std::vector<Paragraph> paragraphs;
};

struct TableRow {
    int minimumHeightTwips = 0; // 0: as high as the content needs
    std::vector<TableCell> cells;
    bool keepWithNext = false; // on the page of the next row (no row is split)
};

struct Table {
    int columns = 0;
    std::vector<TableRow> rows;
    int outsideLineStyle = noLine;
    int insideLineStyle = noLine;
};

using Block = std::variant<Paragraph, Table>;

struct PageMargins {
    int top = 1440;
    int bottom = 1440;
    int left = 1800;
    int right = 1800;
};

struct DocxDocument {
    int pageWidth = a4WidthTwips;
    int pageHeight = a4HeightTwips;
    PageMargins margins;
    std::vector<Block> blocks{Paragraph{}};

    int textWidth() const { return pageWidth - margins.left - margins.right; }
};

} // namespace quill
