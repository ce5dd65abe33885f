#include "output/docx_word_processor.h"

#include "base/atomic_file.h"
#include "base/calendar_time.h"
#include "output/docx_package.h"
#include "output/measure_text.h"
#include "output/pdf_drawing.h"

#include <cmath>
#include <ctime>

namespace quill
{

namespace
{

// Limits a word processor keeps to; a value outside them is not taken.
constexpr double largestFontSize = 1638;
constexpr double largestRowHeight = 1584;
constexpr int largestTableRows = 32767;
constexpr int largestTableColumns = 63;
constexpr int smallestTextExtent = 72 * twipsPerPoint; // an inch of text between margins

int twips(double points)
{
    return static_cast<int>(std::lround(points * twipsPerPoint));
}

std::string utcTimeText()
{
    const std::tm parts = utcCalendarTime(std::time(nullptr));
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return buffer;
}

} // namespace

DocxWordProcessor::DocxWordProcessor(DocumentFolder folder, DocumentName name, Report report,
                                     std::shared_ptr<int> setAttempt)
    : folder_(std::move(folder)), name_(std::move(name)), report_(std::move(report)),
      setAttempt_(std::move(setAttempt))
{
}

void DocxWordProcessor::addDocument()
{
    document_.emplace();
    format_ = RunFormat{};
    selection_ = Selection{};
    lastTable_.reset();
    fieldOpen_ = false;
}

void DocxWordProcessor::setPageMargins(double top, double bottom, double left, double right)
{
    if (!document_ || top < 0 || bottom < 0 || left < 0 || right < 0)
        return;
    const PageMargins margins{twips(top), twips(bottom), twips(left), twips(right)};
    if (document_->pageWidth - margins.left - margins.right < smallestTextExtent ||
        document_->pageHeight - margins.top - margins.bottom < smallestTextExtent)
        return;
    document_->margins = margins;
}

TableCell& DocxWordProcessor::currentCell()
{
    Table& table = std::get<Table>(document_->blocks[selection_.block]);
    return table.rows[selection_.row].cells[selection_.column];
}

Paragraph& DocxWordProcessor::currentParagraph()
{
    if (inCell())
        return currentCell().paragraphs[selection_.paragraph];
    return std::get<Paragraph>(document_->blocks[selection_.block]);
}

Table* DocxWordProcessor::lastTable()
{
    if (!document_ || !lastTable_)
        return nullptr;
    return &std::get<Table>(document_->blocks[*lastTable_]);
}

// A character format set while a whole cell is selected applies to its content too.
template <typename Change> void DocxWordProcessor::changeFormat(Change change)
{
    if (!document_)
        return;
    change(format_);
    if (!selection_.wholeCell)
        return;
    for (Paragraph& paragraph : currentCell().paragraphs) {
        change(paragraph.mark);
        for (Run& run : paragraph.runs)
            change(run.format);
    }
}

void DocxWordProcessor::setBold(bool bold)
{
    changeFormat([bold](RunFormat& f) { f.bold = bold; });
}

void DocxWordProcessor::setFontName(std::string_view name)
{
    if (name.find_first_not_of(' ') == std::string_view::npos)
        return;
    changeFormat([name](RunFormat& f) { f.fontName = std::string(name); });
}

void DocxWordProcessor::applyFontSize(std::string_view points)
{
    const auto size = measureValue(points);
    if (!size || *size < 1 || *size > largestFontSize)
        return;
    const int halfPoints = static_cast<int>(std::lround(*size * 2));
    changeFormat([halfPoints](RunFormat& f) { f.halfPoints = halfPoints; });
}

void DocxWordProcessor::clearSelectedCell()
{
    TableCell& cell = currentCell();
    Paragraph kept = cell.paragraphs.front();
    kept.runs.clear();
    kept.mark = format_;
    cell.paragraphs.assign(1, std::move(kept));
    selection_.paragraph = 0;
    selection_.wholeCell = false;
}

void DocxWordProcessor::appendText(std::string_view text)
{
    std::vector<Run>& runs = currentParagraph().runs;
    if (fieldOpen_) {
        runs.back().text += text;
    } else if (!runs.empty() && runs.back().kind == RunKind::Text &&
               runs.back().format == format_) {
        runs.back().text += text;
    } else if (!text.empty()) {
        runs.push_back(Run{format_, std::string(text), RunKind::Text, {}});
    }
}

void DocxWordProcessor::endParagraph()
{
    fieldOpen_ = false;
    Paragraph next{currentParagraph().alignment, format_, {}, false};
    if (inCell()) {
        auto& paragraphs = currentCell().paragraphs;
        paragraphs.insert(paragraphs.begin() + ++selection_.paragraph, std::move(next));
        return;
    }
    auto& blocks = document_->blocks;
    blocks.insert(blocks.begin() + ++selection_.block, std::move(next));
    if (lastTable_ && *lastTable_ >= selection_.block)
        ++*lastTable_;
}

void DocxWordProcessor::typeText(std::string_view text)
{
    if (!document_)
        return;
    if (selection_.wholeCell)
        clearSelectedCell();
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        appendText(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool pair = text.compare(end, 2, "\r\n") == 0;
        text.remove_prefix(end + (pair ? 2 : 1));
        endParagraph();
    }
}

void DocxWordProcessor::setAlignment(Alignment alignment)
{
    if (!document_)
        return;
    if (selection_.wholeCell) {
        for (Paragraph& paragraph : currentCell().paragraphs)
            paragraph.alignment = alignment;
    } else {
        currentParagraph().alignment = alignment;
    }
}

// Like a word processor does in an empty paragraph, the table takes the paragraph's place
// and an empty paragraph of the same format follows it; after text, the table comes next.
void DocxWordProcessor::addTable(int rows, int columns)
{
    if (!document_ || inCell() || rows < 1 || rows > largestTableRows || columns < 1 ||
        columns > largestTableColumns)
        return;
    fieldOpen_ = false;
    const Paragraph& here = currentParagraph();
    const Paragraph cellParagraph{here.alignment, format_, {}};
    const bool replaceHere = here.runs.empty();

    Table table;
    table.columns = columns;
    table.rows.assign(rows, TableRow{0, std::vector<TableCell>(columns, {{cellParagraph}}), false});

    auto& blocks = document_->blocks;
    std::size_t at = selection_.block;
    if (replaceHere) {
        blocks.insert(blocks.begin() + at, std::move(table));
    } else {
        blocks.insert(blocks.begin() + ++at, std::move(table));
        blocks.insert(blocks.begin() + at + 1, cellParagraph);
    }
    lastTable_ = at;
    selection_ = Selection{at, 0, 0, 0, false};
}

void DocxWordProcessor::setOutsideLineStyle(int style)
{
    if (Table* table = lastTable(); table && (style == noLine || style == singleLine))
        table->outsideLineStyle = style;
}

void DocxWordProcessor::setInsideLineStyle(int style)
{
    if (Table* table = lastTable(); table && (style == noLine || style == singleLine))
        table->insideLineStyle = style;
}

void DocxWordProcessor::applyRowHeight(int row, std::string_view points)
{
    Table* table = lastTable();
    const auto height = measureValue(points);
    if (!table || row < 1 || row > static_cast<int>(table->rows.size()) || !height || *height < 0 ||
        *height > largestRowHeight)
        return;
    table->rows[row - 1].minimumHeightTwips = twips(*height);
}

void DocxWordProcessor::keepRowWithNext(int row)
{
    if (Table* table = lastTable();
        table && row >= 1 && row <= static_cast<int>(table->rows.size()))
        table->rows[row - 1].keepWithNext = true;
}

void DocxWordProcessor::keepParagraphWithNext()
{
    if (document_)
        currentParagraph().keepWithNext = true;
}

void DocxWordProcessor::selectCell(int row, int column)
{
    Table* table = lastTable();
    if (!table || row < 1 || row > static_cast<int>(table->rows.size()) || column < 1 ||
        column > table->columns)
        return;
    fieldOpen_ = false;
    selection_ = Selection{*lastTable_, row - 1, column - 1, 0, true};
    format_ = currentCell().paragraphs.front().mark;
}

void DocxWordProcessor::moveToEnd()
{
    if (!document_)
        return;
    fieldOpen_ = false;
    auto& blocks = document_->blocks;
    if (blocks.empty() || !std::holds_alternative<Paragraph>(blocks.back()))
        blocks.push_back(Paragraph{Alignment::Left, format_, {}});
    selection_ = Selection{blocks.size() - 1, -1, -1, 0, false};
}

// The empty paragraph a table leaves behind it takes the break, so no empty line is left at
// the foot of a full page to spill onto a page of its own.
void DocxWordProcessor::startNewPage()
{
    if (!document_)
        return;
    moveToEnd();
    if (!currentParagraph().runs.empty())
        endParagraph();
    currentParagraph().pageBreakBefore = true;
}

void DocxWordProcessor::insertField()
{
    if (!document_)
        return;
    if (selection_.wholeCell)
        clearSelectedCell();
    currentParagraph().runs.push_back(Run{format_, {}, RunKind::Field, {}});
    fieldOpen_ = true;
}

void DocxWordProcessor::typeFraction(std::string_view numerator, std::string_view denominator)
{
    if (!document_ || (numerator.empty() && denominator.empty()))
        return;
    if (selection_.wholeCell)
        clearSelectedCell();
    fieldOpen_ = false;
    currentParagraph().runs.push_back(
        Run{format_, std::string(numerator), RunKind::Fraction, std::string(denominator)});
}

void DocxWordProcessor::finish(IoResult outcome)
{
    outcome_ = std::move(outcome);
    if (report_)
        report_(outcome_);
}

std::optional<std::string> DocxWordProcessor::encode(DocumentFormat format,
                                                     const std::string& title,
                                                     std::string& reason) const
{
    if (format == DocumentFormat::Pdf)
        return pdfBytes(*document_, title, reason);
    return packDocx(docxParts(*document_, title, utcTimeText()), reason);
}

// Every file of one attempt, or none: a file written before a later one failed is removed.
IoResult DocxWordProcessor::writeFiles(int attempt, const std::vector<EncodedFile>& files,
                                       std::vector<std::filesystem::path>& written) const
{
    written.clear();
    for (const EncodedFile& file : files) {
        const std::filesystem::path path = folder_.filePath(name_, attempt, file.format);
        const IoResult result = writeNewFile(path, file.bytes);
        if (!result) {
            for (const std::filesystem::path& done : written) {
                std::error_code ignored;
                std::filesystem::remove(done, ignored);
            }
            written.clear();
            return result;
        }
        written.push_back(path);
    }
    return written.empty() ? ioFailure(folder_.path(), "没有文档") : ioDone(written.front());
}

bool DocxWordProcessor::activate()
{
    fieldOpen_ = false;
    const std::vector<DocumentFormat>& formats = name_.formats;
    if (formats.empty()) // only built, for a preview
        return document_.has_value();
    const std::filesystem::path firstName = folder_.filePath(name_, 1, formats.front());
    if (!document_) {
        finish(ioFailure(firstName, "没有文档"));
        return false;
    }
    const std::string title = !name_.title.empty() ? name_.title
                              : name_.answers      ? "Quillmere(答案)"
                                                   : "Quillmere";
    // Every format is made in memory first: one that cannot be made leaves no file at all.
    std::vector<EncodedFile> files;
    for (const DocumentFormat format : formats) {
        std::string reason;
        auto bytes = encode(format, title, reason);
        if (!bytes) {
            finish(ioFailure(folder_.filePath(name_, 1, format), reason));
            return false;
        }
        files.push_back({format, std::move(*bytes)});
    }
    if (const IoResult prepared = folder_.prepare(); !prepared) {
        finish(ioFailure(firstName, prepared.describe()));
        return false;
    }

    // Another program may take a free name before the file is moved there: try the next.
    int attempt = setAttempt_ ? *setAttempt_ : 1;
    const bool firstOfSet = setAttempt_ && !name_.answers;
    std::vector<std::filesystem::path> written;
    IoResult result;
    for (int tries = 0; tries < 100; ++tries, ++attempt) {
        folder_.freePath(name_, attempt, firstOfSet);
        result = writeFiles(attempt, files, written);
        if (result.status != IoStatus::NameTaken)
            break;
    }
    if (setAttempt_ && result.ok())
        *setAttempt_ = attempt;
    if (!result.ok()) {
        finish(result);
        return false;
    }
    for (const std::filesystem::path& path : written)
        finish(ioDone(path));
    return true;
}

} // namespace quill
