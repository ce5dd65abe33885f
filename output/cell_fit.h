#pragma once

// How much room a cell's text takes. Both sheets of a set give their item rows the height the
// widest text of either sheet needs, so an answer that wraps in its cell makes no row of the
// answer sheet taller than its question sheet's, and the two sheets page alike.

#include <string_view>

namespace quill
{

// The width a text is drawn at, in ems of its font, erring wide. Where the sheet's font is
// missing, LibreOffice draws digits and Latin letters in DejaVu Sans, whose digits are 0.636
// em: digits, points and most letters count 0.64 em, a space 0.35 em, % = @ m w M W and every
// other character (full-width signs, ×, ÷, ……, Chinese) a whole em.
double textEms(std::string_view text);

// The room for text in one cell of a table of `columns` across the A4 page's text width.
double cellTextWidth(int columns);

// The lines a text `ems` wide takes in a cell `width` points wide at `fontSize`; at least 1.
int linesNeeded(double ems, double fontSize, double width);

// The height of `lines` lines of text at `fontSize`, with the line spacing of CJK fonts.
double linesHeight(int lines, double fontSize);

} // namespace quill
