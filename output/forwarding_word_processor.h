#pragma once

// A word processor that hands every step to another one, for a word processor that changes
// only a few steps (output/sheet_sequence) to override just those.

#include "output/word_processor.h"

namespace quill
{

class ForwardingWordProcessor : public WordProcessor
{
public:
    explicit ForwardingWordProcessor(WordProcessor& target) : target_(target) {}

    void addDocument() override { target_.addDocument(); }
    void setPageMargins(double top, double bottom, double left, double right) override
    {
        target_.setPageMargins(top, bottom, left, right);
    }
    void setBold(bool bold) override { target_.setBold(bold); }
    void setFontName(std::string_view name) override { target_.setFontName(name); }
    void typeText(std::string_view text) override { target_.typeText(text); }
    void setAlignment(Alignment alignment) override { target_.setAlignment(alignment); }
    void addTable(int rows, int columns) override { target_.addTable(rows, columns); }
    void setOutsideLineStyle(int style) override { target_.setOutsideLineStyle(style); }
    void setInsideLineStyle(int style) override { target_.setInsideLineStyle(style); }
    void keepRowWithNext(int row) override { target_.keepRowWithNext(row); }
    void keepParagraphWithNext() override { target_.keepParagraphWithNext(); }
    void selectCell(int row, int column) override { target_.selectCell(row, column); }
    void moveToEnd() override { target_.moveToEnd(); }
    void startNewPage() override { target_.startNewPage(); }
    void insertField() override { target_.insertField(); }
    void typeFraction(std::string_view numerator, std::string_view denominator) override
    {
        target_.typeFraction(numerator, denominator);
    }
    bool activate() override { return target_.activate(); }

protected:
    void applyFontSize(std::string_view points) override { target_.setFontSize(points); }
    void applyRowHeight(int row, std::string_view points) override
    {
        target_.setRowHeight(row, points);
    }

    WordProcessor& target() { return target_; }

private:
    WordProcessor& target_;
};

} // namespace quill
