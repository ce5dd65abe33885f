#include "output/pdf_layout.h"

#include <algorithm>

namespace quill
{

namespace
{

constexpr double cellPadding = 5.4; // left and right, as a word processor's tables have
constexpr double lineWidth = 0.5;
// Where glyphs sit against the line: the middle of a CJK glyph (and of a digit) lies about
// this many ems above the baseline; a fraction's bar lies on that middle.
constexpr double glyphMiddle = 0.36;
constexpr double fractionGap = 0.22;   // between the bar and the numerator's baseline
constexpr double digitHeight = 0.72;   // the denominator hangs below the bar by this
constexpr double fractionMargin = 0.2; // ems of room either side of the bar
constexpr double bracketStretch = 2.0; // a bracket beside fractions spans both of their lines

// Line heights as LibreOffice sets them, so that the PDF pages as the .docx does: a line is as
// high as its font's ascent and descent, 1.448 em in the CJK fonts and 1.164 em in DejaVu Sans,
// which draws Latin text where the sheet's font is missing. A stacked fraction is drawn at a
// formula size of its own: measured from 9 to 26 pt, its line is 26 pt and 0.45 of the text
// size high, and from 23 pt on 1.6 times the text size.
constexpr double chineseLineSpacing = 1.448;
constexpr double latinLineSpacing = 1.164;
constexpr double fractionLineBase = 26;
constexpr double fractionLinePerPoint = 0.45;
constexpr double largeFractionLineSpacing = 1.6;

double points(int twips)
{
    return static_cast<double>(twips) / twipsPerPoint;
}

double sizeOf(const RunFormat& format)
{
    return format.halfPoints / 2.0;
}

// A piece a line cannot split: a word of ASCII letters and digits, a space, one other
// character, or a whole fraction.
struct Piece {
    const Run* run = nullptr;
    std::string text;
    double width = 0;
    bool space = false;
    bool fraction = false;
};

// Chinese characters and full-width signs lie above U+0800, and a word processor draws them in
// the East Asian font; Latin text, ×, ÷ and an empty line take the Western font.
bool drawnInChineseFont(const Piece& piece)
{
    return std::any_of(piece.text.begin(), piece.text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
}

std::size_t sequenceLength(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

bool wordCharacter(char c)
{
    return static_cast<unsigned char>(c) < 0x80 && c != ' ' && c != '(' && c != ')';
}

void splitText(const Run& run, const TextMeasure& measure, std::vector<Piece>& pieces)
{
    const std::string& text = run.text;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i + sequenceLength(static_cast<unsigned char>(text[i]));
        if (wordCharacter(text[i]))
            while (end < text.size() && wordCharacter(text[end]))
                ++end;
        end = std::min(end, text.size());
        Piece piece{&run, text.substr(i, end - i), 0, text[i] == ' ', false};
        piece.width = measure.width(run.format, piece.text);
        pieces.push_back(std::move(piece));
        i = end;
    }
}

double fractionWidth(const Run& run, const TextMeasure& measure)
{
    return std::max(measure.width(run.format, run.text),
                    measure.width(run.format, run.denominator)) +
           2 * fractionMargin * sizeOf(run.format);
}

std::vector<Piece> piecesOf(const Paragraph& paragraph, const TextMeasure& measure)
{
    std::vector<Piece> pieces;
    for (const Run& run : paragraph.runs) {
        if (run.kind == RunKind::Fraction)
            pieces.push_back(Piece{&run, {}, fractionWidth(run, measure), false, true});
        else if (run.kind == RunKind::Text) // a field shows no text until it is updated
            splitText(run, measure, pieces);
    }
    return pieces;
}

struct Line {
    std::vector<Piece> pieces;
    double width = 0;
    double fontSize = 0;
    LineKind kind = LineKind::Latin;

    double height() const { return lineHeightOf(fontSize, kind); }
};

// Greedy wrapping, as word processors do: a piece goes to the next line when it would cross
// the edge; a space may hang over it and does not start a line.
std::vector<Line> wrapParagraph(const Paragraph& paragraph, double available,
                                const TextMeasure& measure)
{
    std::vector<Line> lines(1);
    for (Piece& piece : piecesOf(paragraph, measure)) {
        Line* line = &lines.back();
        if (!line->pieces.empty() && !piece.space && line->width + piece.width > available) {
            lines.emplace_back();
            line = &lines.back();
        }
        if (piece.space && line->pieces.empty() && lines.size() > 1)
            continue;
        line->fontSize = std::max(line->fontSize, sizeOf(piece.run->format));
        if (piece.fraction)
            line->kind = LineKind::Fraction;
        else if (line->kind == LineKind::Latin && drawnInChineseFont(piece))
            line->kind = LineKind::Chinese;
        line->width += piece.width;
        line->pieces.push_back(std::move(piece));
    }
    // The paragraph mark ends the last line and is as high as its format.
    lines.back().fontSize = std::max(lines.back().fontSize, sizeOf(paragraph.mark));
    return lines;
}

void placeFraction(const Run& run, double x, double width, double axis, const TextMeasure& measure,
                   LaidOutPage& page)
{
    const double size = sizeOf(run.format);
    const double numeratorWidth = measure.width(run.format, run.text);
    const double denominatorWidth = measure.width(run.format, run.denominator);
    page.texts.push_back(
        {x + (width - numeratorWidth) / 2, axis - fractionGap * size, run.format, run.text, 1});
    page.texts.push_back({x + (width - denominatorWidth) / 2,
                          axis + (fractionGap + digitHeight) * size, run.format, run.denominator,
                          1});
    const double margin = fractionMargin * size * 0.5;
    page.lines.push_back({x + margin, axis, x + width - margin, axis, std::max(0.5, size / 20)});
}

// Draws a line whose top is at `top`, in a box from `left` `available` wide.
void placeLine(const Line& line, Alignment alignment, double left, double available, double top,
               const TextMeasure& measure, LaidOutPage& page)
{
    double x = alignment == Alignment::Center ? left + (available - line.width) / 2 : left;
    const double axis = top + line.height() / 2;
    const double baseline = axis + glyphMiddle * line.fontSize;
    PlacedText* open = nullptr; // the text pieces of one format join into one drawn text
    for (const Piece& piece : line.pieces) {
        const RunFormat& format = piece.run->format;
        const bool bracket =
            line.kind == LineKind::Fraction && (piece.text == "(" || piece.text == ")");
        if (piece.fraction) {
            placeFraction(*piece.run, x, piece.width, axis, measure, page);
            open = nullptr;
        } else if (bracket) {
            page.texts.push_back({x, axis + glyphMiddle * sizeOf(format) * bracketStretch, format,
                                  piece.text, bracketStretch});
            open = nullptr;
        } else if (open && open->format == format) {
            open->text += piece.text;
        } else {
            page.texts.push_back({x, baseline, format, piece.text, 1});
            open = &page.texts.back();
        }
        x += piece.width;
    }
}

struct WrappedParagraph {
    const Paragraph* paragraph;
    std::vector<Line> lines;
};

std::vector<WrappedParagraph> wrapCell(const TableCell& cell, double available,
                                       const TextMeasure& measure)
{
    std::vector<WrappedParagraph> wrapped;
    for (const Paragraph& paragraph : cell.paragraphs)
        wrapped.push_back({&paragraph, wrapParagraph(paragraph, available, measure)});
    return wrapped;
}

double heightOf(const std::vector<WrappedParagraph>& paragraphs)
{
    double height = 0;
    for (const WrappedParagraph& paragraph : paragraphs)
        for (const Line& line : paragraph.lines)
            height += line.height();
    return height;
}

// Places blocks from the top of the first page on, starting a page when the next thing does
// not fit (unless the page is still empty).
class Pager
{
public:
    Pager(const DocxDocument& document, const TextMeasure& measure, PageLayout& out)
        : measure_(measure), out_(out), top_(points(document.margins.top)),
          bottom_(points(document.pageHeight - document.margins.bottom)),
          left_(points(document.margins.left)), textWidth_(points(document.textWidth()))
    {
        out_.width = points(document.pageWidth);
        out_.height = points(document.pageHeight);
        newPage();
    }

    // `keptAfter`: the height of what must follow the paragraph on its page.
    void place(const Paragraph& paragraph, bool last, double keptAfter = 0)
    {
        const std::vector<Line> lines = wrapParagraph(paragraph, textWidth_, measure_);
        // An empty paragraph closing the document starts no page of its own.
        if (last && paragraph.runs.empty() && !fits(lines.front().height()))
            return;
        if (paragraph.pageBreakBefore && y_ > top_)
            newPage();
        if (paragraph.keepWithNext) {
            double height = keptAfter;
            for (const Line& line : lines)
                height += line.height();
            makeRoom(height);
        }
        for (const Line& line : lines) {
            makeRoom(line.height());
            placeLine(line, paragraph.alignment, left_, textWidth_, y_, measure_, page());
            y_ += line.height();
        }
    }

    using WrappedCells = std::vector<std::vector<std::vector<WrappedParagraph>>>;

    // Each row's height, as its cells' wrapped text needs it, at least its own.
    std::vector<double> rowHeights(const Table& table, WrappedCells& cells) const
    {
        const double columnWidth = textWidth_ / table.columns;
        std::vector<double> heights;
        for (const TableRow& row : table.rows) {
            double height = points(row.minimumHeightTwips);
            cells.emplace_back();
            for (const TableCell& cell : row.cells) {
                cells.back().push_back(wrapCell(cell, columnWidth - 2 * cellPadding, measure_));
                height = std::max(height, heightOf(cells.back().back()));
            }
            heights.push_back(height);
        }
        return heights;
    }

    // The first row of the table and the rows kept with it.
    double leadingHeight(const Table& table) const
    {
        WrappedCells cells;
        const std::vector<double> heights = rowHeights(table, cells);
        return heights.empty() ? 0 : keptHeight(table, heights, 0);
    }

    void place(const Table& table)
    {
        const double columnWidth = textWidth_ / table.columns;
        WrappedCells cells;
        const std::vector<double> heights = rowHeights(table, cells);
        std::vector<Segment> segments;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            if (r == 0 || !table.rows[r - 1].keepWithNext)
                makeRoom(keptHeight(table, heights, r));
            makeRoom(heights[r]);
            if (segments.empty() || segments.back().page != out_.pages.size() - 1)
                segments.push_back({out_.pages.size() - 1, y_, {}});
            segments.back().rowTops.push_back(y_);
            double x = left_;
            for (const auto& cell : cells[r]) {
                double top = y_;
                for (const WrappedParagraph& paragraph : cell)
                    for (const Line& line : paragraph.lines) {
                        placeLine(line, paragraph.paragraph->alignment, x + cellPadding,
                                  columnWidth - 2 * cellPadding, top, measure_, page());
                        top += line.height();
                    }
                x += columnWidth;
            }
            y_ += heights[r];
            segments.back().bottom = y_;
        }
        for (const Segment& segment : segments)
            drawBorders(table, segment, columnWidth);
    }

private:
    // The rows of a table on one page: where each starts, and where the last ends.
    struct Segment {
        std::size_t page;
        double bottom;
        std::vector<double> rowTops;
    };

    LaidOutPage& page() { return out_.pages.back(); }
    bool fits(double height) const { return y_ + height <= bottom_ + 0.01; }

    void newPage()
    {
        out_.pages.emplace_back();
        y_ = top_;
    }

    void makeRoom(double height)
    {
        if (!fits(height) && y_ > top_)
            newPage();
    }

    // Row `first` and the rows that stay with it.
    static double keptHeight(const Table& table, const std::vector<double>& heights,
                             std::size_t first)
    {
        double height = heights[first];
        for (std::size_t r = first; r + 1 < heights.size() && table.rows[r].keepWithNext; ++r)
            height += heights[r + 1];
        return height;
    }

    void drawBorders(const Table& table, const Segment& segment, double columnWidth)
    {
        LaidOutPage& on = out_.pages[segment.page];
        const double right = left_ + textWidth_;
        const double top = segment.rowTops.front();
        auto line = [&](int style, double x0, double y0, double x1, double y1) {
            if (style == singleLine)
                on.lines.push_back({x0, y0, x1, y1, lineWidth});
        };
        line(table.outsideLineStyle, left_, top, right, top);
        line(table.outsideLineStyle, left_, segment.bottom, right, segment.bottom);
        line(table.outsideLineStyle, left_, top, left_, segment.bottom);
        line(table.outsideLineStyle, right, top, right, segment.bottom);
        for (std::size_t r = 1; r < segment.rowTops.size(); ++r)
            line(table.insideLineStyle, left_, segment.rowTops[r], right, segment.rowTops[r]);
        for (int c = 1; c < table.columns; ++c)
            line(table.insideLineStyle, left_ + c * columnWidth, top, left_ + c * columnWidth,
                 segment.bottom);
    }

    const TextMeasure& measure_;
    PageLayout& out_;
    double top_, bottom_, left_, textWidth_;
    double y_ = 0;
};

} // namespace

double lineHeightOf(double fontSize, LineKind kind)
{
    switch (kind) {
    case LineKind::Latin:
        return latinLineSpacing * fontSize;
    case LineKind::Chinese:
        return chineseLineSpacing * fontSize;
    case LineKind::Fraction:
        return std::max(fractionLineBase + fractionLinePerPoint * fontSize,
                        largeFractionLineSpacing * fontSize);
    }
    return chineseLineSpacing * fontSize;
}

PageLayout layOutDocument(const DocxDocument& document, const TextMeasure& measure)
{
    PageLayout layout;
    Pager pager(document, measure, layout);
    for (std::size_t b = 0; b < document.blocks.size(); ++b) {
        const bool last = b + 1 == document.blocks.size();
        if (const Paragraph* paragraph = std::get_if<Paragraph>(&document.blocks[b])) {
            const Table* next = last ? nullptr : std::get_if<Table>(&document.blocks[b + 1]);
            pager.place(*paragraph, last, next ? pager.leadingHeight(*next) : 0);
        } else
            pager.place(std::get<Table>(document.blocks[b]));
    }
    return layout;
}

} // namespace quill
