#include "window/slider_geometry.h"

#include <algorithm>

namespace quill
{

int clampSliderValue(int value)
{
    return std::clamp(value, sliderLowest, sliderHighest);
}

int knobPositionFor(int value, int travel)
{
    if (travel <= 0)
        return 0;
    const int span = sliderHighest - sliderLowest;
    const int scaled = travel * (value - sliderLowest);
    const int whole = scaled / span;
    const int rest = scaled % span;
    if (2 * rest > span || (2 * rest == span && whole % 2 == 1))
        return whole + 1;
    return whole;
}

int valueAtPosition(int position, int travel)
{
    if (travel <= 0)
        return sliderLowest;
    return sliderLowest + std::clamp(position, 0, travel) * (sliderHighest - sliderLowest) / travel;
}

std::array<TrackPiece, 4> trackPieces(int trackWidth, int widgetWidth, int knobCentre)
{
    if (trackWidth < 2)
        return {};
    const int middle = trackWidth / 2;
    const int leftEnd = middle - 1;
    const int rightEnd = trackWidth - middle - 1;
    const int rightEndAt = std::max(leftEnd, widgetWidth - rightEnd);
    // A knob narrower than an end must not pull a middle piece over that end.
    const int meet = std::clamp(knobCentre, leftEnd, rightEndAt);
    return {{
        {{0, leftEnd}, {0, leftEnd}},
        {{middle - 1, 1}, {leftEnd, meet - leftEnd}},
        {{middle, 1}, {meet, rightEndAt - meet}},
        {{middle + 1, rightEnd}, {rightEndAt, rightEnd}},
    }};
}

} // namespace quill
