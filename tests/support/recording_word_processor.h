#pragma once

#include "output/word_processor.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quill::testing
{

// Keeps every step a writer takes, in order, and what ended up in each cell, so tests can
// compare the exact sequence and the texts.
class RecordingWordProcessor : public WordProcessor
{
public:
    struct Cell {
        std::string text;
        Alignment alignment = Alignment::Left;
        bool aligned = false; // an alignment was set while the cell was selected
        int selections = 0;
    };

    std::vector<std::string> calls;
    std::map<std::pair<int, int>, Cell> cells; // by 1-based (row, column)
    std::string bodyText;                      // typed outside the table
    int tableRows = 0;
    int tableColumns = 0;
    bool activateResult = true;

    void keepRowWithNext(int row) override { calls.push_back("keep " + std::to_string(row)); }
    void keepParagraphWithNext() override { calls.push_back("keep paragraph"); }
    void addDocument() override { calls.push_back("addDocument"); }
    void setPageMargins(double top, double bottom, double left, double right) override
    {
        calls.push_back("margins " + shortestText(top) + " " + shortestText(bottom) + " " +
                        shortestText(left) + " " + shortestText(right));
    }
    void setBold(bool bold) override { calls.push_back(bold ? "bold 1" : "bold 0"); }
    void setFontName(std::string_view name) override
    {
        calls.push_back("font " + std::string(name));
    }
    void typeText(std::string_view text) override
    {
        calls.push_back("type " + std::string(text));
        typed(text);
    }
    // A fraction shows as numerator "/" denominator in the cell text.
    void typeFraction(std::string_view numerator, std::string_view denominator) override
    {
        calls.push_back("fraction " + std::string(numerator) + " " + std::string(denominator));
        typed(std::string(numerator) + "/" + std::string(denominator));
    }
    void setAlignment(Alignment alignment) override
    {
        calls.push_back(alignment == Alignment::Center ? "align center" : "align left");
        if (current_) {
            cells[*current_].alignment = alignment;
            cells[*current_].aligned = true;
        }
    }
    void addTable(int rows, int columns) override
    {
        calls.push_back("table " + std::to_string(rows) + " " + std::to_string(columns));
        tableRows = rows;
        tableColumns = columns;
    }
    void setOutsideLineStyle(int style) override
    {
        calls.push_back("outside " + std::to_string(style));
    }
    void setInsideLineStyle(int style) override
    {
        calls.push_back("inside " + std::to_string(style));
    }
    void selectCell(int row, int column) override
    {
        calls.push_back("select " + std::to_string(row) + " " + std::to_string(column));
        current_ = {row, column};
        replace_ = true;
        ++cells[*current_].selections;
    }
    void moveToEnd() override
    {
        calls.push_back("end");
        current_.reset();
    }
    void startNewPage() override
    {
        calls.push_back("new page");
        current_.reset();
    }
    void insertField() override
    {
        calls.push_back("field");
        if (current_ && replace_)
            cells[*current_].text.clear();
        replace_ = false;
    }
    bool activate() override
    {
        calls.push_back("activate");
        return activateResult;
    }

    std::string cellText(int row, int column) const
    {
        const auto found = cells.find({row, column});
        return found == cells.end() ? std::string() : found->second.text;
    }

    Cell cell(int row, int column) const
    {
        const auto found = cells.find({row, column});
        return found == cells.end() ? Cell{} : found->second;
    }

    // Whether the writer selected or typed into the cell at all.
    bool touched(int row, int column) const { return cells.contains({row, column}); }

    // Calls that start with `prefix` ("select ", "height "), in order.
    std::vector<std::string> callsStartingWith(std::string_view prefix) const
    {
        std::vector<std::string> found;
        for (const std::string& call : calls)
            if (call.starts_with(prefix))
                found.push_back(call);
        return found;
    }

protected:
    void applyFontSize(std::string_view points) override
    {
        calls.push_back("size " + std::string(points));
    }
    void applyRowHeight(int row, std::string_view points) override
    {
        calls.push_back("height " + std::to_string(row) + " " + std::string(points));
    }

private:
    void typed(std::string_view text)
    {
        if (!current_)
            bodyText += text;
        else if (replace_)
            cells[*current_].text = std::string(text);
        else
            cells[*current_].text += text;
        replace_ = false;
    }

    std::optional<std::pair<int, int>> current_;
    bool replace_ = false;
};

} // namespace quill::testing
