#pragma once

// Small documents typed through the word-processor layer, shared by the file tests and
// the program that feeds the reader and rendering checks.

#include "output/word_processor.h"

namespace quill::testing
{

// A title block and a bordered 4 x 3 table in 楷体 11 with rows of 30 and 90 points.
inline void typeLayoutSample(WordProcessor& word)
{
    word.addDocument();
    word.setPageMargins(50, 50, 50, 50);
    word.setBold(true);
    word.setFontName("宋体");
    word.setFontSize(22);
    word.typeText("Quillmere");
    word.setFontSize(12);
    word.typeText("    2026/12/9");
    word.setAlignment(Alignment::Center);
    word.typeText("\r");
    word.setFontSize(12);
    word.typeText("\r");
    word.setBold(false);
    word.typeText("姓名：___________   座号：__________    情况：___________");
    word.setAlignment(Alignment::Center);
    word.typeText("\r\r");
    word.setFontName("楷体");
    word.setFontSize("11");
    word.addTable(4, 3);
    word.setOutsideLineStyle(singleLine);
    word.setInsideLineStyle(singleLine);
    for (int row = 1; row <= 4; ++row)
        word.setRowHeight(row, row % 2 ? "30" : "90");
    word.keepRowWithNext(1);
    word.keepRowWithNext(3);
    const char* texts[] = {"37＋48＝", "63－27＝36", "A&B <c>", "7÷2≈3.5", "47÷5＝9……2"};
    for (int k = 0; k < 5; ++k) {
        word.selectCell(2 * (k / 3) + 1, k % 3 + 1);
        word.typeText(texts[k]);
        word.setAlignment(Alignment::Left);
    }
    word.selectCell(3, 3);
    word.typeText("centred");
}

// Cells holding fraction fields: question forms, answers, a whole number and brackets.
inline void typeFractionSample(WordProcessor& word)
{
    word.addDocument();
    word.setPageMargins(50, 50, 50, 50);
    word.setFontName("宋体");
    word.setFontSize(12);
    word.typeText("分数\r");
    word.addTable(2, 3);
    word.setOutsideLineStyle(singleLine);
    word.setInsideLineStyle(singleLine);
    const char* codes[] = {"EQ \\F(3,8) +  \\F(1,8) ＝ \\F(1,2)", "EQ 2 +  \\F(1,3) ＝ \\F(7,3)",
                           "EQ \\F(1,2) × 1＝ \\F(1,2)", "EQ (\\F(3,8) ＋  \\F(1,8))×5= \\F(5,2)",
                           "EQ \\F(6,8) ＝ \\F(3,4)"};
    for (int k = 0; k < 5; ++k) {
        word.selectCell(k / 3 + 1, k % 3 + 1);
        word.insertField();
        word.typeText(codes[k]);
        word.setAlignment(Alignment::Left);
    }
}

} // namespace quill::testing
