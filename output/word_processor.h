#pragma once

// The word processor as the writers see it: a document is built by the same steps a
// person would take at the keyboard, and each writer drives only these steps. A step
// with a value the document cannot use (a row height that is no number, a cell outside
// the table) is skipped and the writer carries on with the next one.

#include "base/number_text.h"

#include <string_view>

namespace quill
{

enum class Alignment { Left = 0, Center = 1 };

// Line styles of table borders: none, or a single line.
inline constexpr int noLine = 0;
inline constexpr int singleLine = 1;

class WordProcessor
{
public:
    virtual ~WordProcessor() = default;

    // A new empty document; the insertion point is at its start.
    virtual void addDocument() = 0;

    // Page margins in points.
    virtual void setPageMargins(double top, double bottom, double left, double right) = 0;

    // Character format of the text typed next (and of a selected cell's content).
    virtual void setBold(bool bold) = 0;
    virtual void setFontName(std::string_view name) = 0;
    void setFontSize(std::string_view points) { applyFontSize(points); }
    void setFontSize(double points) { applyFontSize(shortestText(points)); }

    // Types at the selection; "\r" ends the paragraph. Typing into a selected cell
    // replaces its content, after that the text is appended.
    virtual void typeText(std::string_view text) = 0;

    // Alignment of the paragraph the selection is in.
    virtual void setAlignment(Alignment alignment) = 0;

    // A table of rows x columns at the selection, taking over the paragraph and character
    // format there.
    virtual void addTable(int rows, int columns) = 0;
    virtual void setOutsideLineStyle(int style) = 0;
    virtual void setInsideLineStyle(int style) = 0;

    // Row `row` (1-based) is at least `points` high.
    void setRowHeight(int row, std::string_view points) { applyRowHeight(row, points); }
    void setRowHeight(int row, double points) { applyRowHeight(row, shortestText(points)); }

    // Row `row` (1-based) of the table last added stays on the page of the row after it,
    // as an item row stays with its working row. A word processor that cannot keep rows
    // together may ignore it.
    virtual void keepRowWithNext(int row) { (void)row; }

    // The paragraph of the selection stays on the page of what follows it, as a heading
    // stays with its table. A word processor that cannot keep them together may ignore it.
    virtual void keepParagraphWithNext() {}

    // Selects the whole cell (1-based row and column) of the table last added.
    virtual void selectCell(int row, int column) = 0;

    // The selection goes to the end of the document, after the last table, as Ctrl+End
    // would: text typed next follows everything written so far.
    virtual void moveToEnd() = 0;

    // The selection goes to the end of the document and what is typed next starts a new
    // page, as Ctrl+Enter would, without an empty paragraph left before it.
    virtual void startNewPage() = 0;

    // Opens an empty field at the selection; text typed next is its field code, until the
    // selection moves or the paragraph ends.
    virtual void insertField() = 0;

    // Types a fraction at the selection, drawn stacked: numerator over denominator, in the
    // format of typed text. Into a selected cell it replaces the content, as typing does;
    // text typed next follows it on the same line. An open field ends before it.
    virtual void typeFraction(std::string_view numerator, std::string_view denominator) = 0;

    // The document is complete: it is handed to the user. False when that failed.
    virtual bool activate() = 0;

protected:
    virtual void applyFontSize(std::string_view points) = 0;
    virtual void applyRowHeight(int row, std::string_view points) = 0;
};

} // namespace quill
