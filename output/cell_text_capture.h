#pragma once

// A word processor that keeps only what ends up in the table cells, for showing a
// worksheet's contents as text (the command line prints answer keys with it). A fraction
// shows as numerator "/" denominator.

#include "output/word_processor.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quill
{

class CellTextCapture : public WordProcessor
{
public:
    // The texts of the cells typed into, in the order they were first typed into.
    std::vector<std::string> typedCells() const;

    void addDocument() override;
    void setPageMargins(double, double, double, double) override {}
    void setBold(bool) override {}
    void setFontName(std::string_view) override {}
    void typeText(std::string_view text) override;
    void setAlignment(Alignment) override {}
    void addTable(int, int) override { inTable_ = false; }
    void setOutsideLineStyle(int) override {}
    void setInsideLineStyle(int) override {}
    void selectCell(int row, int column) override;
    void insertField() override {}
    void moveToEnd() override { inTable_ = false; }
    void startNewPage() override { inTable_ = false; }
    void typeFraction(std::string_view numerator, std::string_view denominator) override;
    bool activate() override { return true; }

protected:
    void applyFontSize(std::string_view) override {}
    void applyRowHeight(int, std::string_view) override {}

private:
    std::map<std::pair<int, int>, std::string> cells_;
    std::vector<std::pair<int, int>> order_;
    std::pair<int, int> selected_;
    bool inTable_ = false;
    bool replace_ = false;
};

} // namespace quill
