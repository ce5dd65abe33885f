#include "output/cell_fit.h"

#include <algorithm>
#include <cmath>

namespace quill
{

namespace
{

constexpr double pageTextWidth = 495.3;           // A4 less two 50 pt margins
constexpr double cellPadding = 10.8;              // 5.4 pt on either side
constexpr double lineSpacing = 1.5;               // CJK fonts set lines wider apart than their size
constexpr std::string_view wideLatin = "%=@mwMW"; // near a whole em in DejaVu Sans

// The length of the UTF-8 sequence a lead byte starts.
size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return 2;
}

} // namespace

double textEms(std::string_view text)
{
    double ems = 0;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == ' ')
            ems += 0.35;
        else if (lead >= 0x80 || wideLatin.find(static_cast<char>(lead)) != std::string_view::npos)
            ems += 1.0;
        else
            ems += 0.64;
        i += sequenceLength(lead);
    }
    return ems;
}

double cellTextWidth(int columns)
{
    return columns > 0 ? pageTextWidth / columns - cellPadding : pageTextWidth;
}

int linesNeeded(double ems, double fontSize, double width)
{
    if (width <= 0 || fontSize <= 0)
        return 1;
    return std::max(1, static_cast<int>(std::ceil(ems * fontSize / width)));
}

double linesHeight(int lines, double fontSize)
{
    return lines * fontSize * lineSpacing;
}

} // namespace quill
