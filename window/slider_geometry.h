#pragma once

// Where a picture slider's knob and track pieces go, in pixels of the widget.

#include <array>

namespace quill
{

inline constexpr int sliderLowest = 0;
inline constexpr int sliderHighest = 100;

int clampSliderValue(int value);

// The knob's left edge for `value` when it can travel `travel` pixels, to the nearest pixel
// (a half to the even one).
int knobPositionFor(int value, int travel);

// The value the knob shows with its left edge at `position` (0..travel), rounded down.
int valueAtPosition(int position, int travel);

struct PixelSpan {
    int from = 0;
    int width = 0;

    bool operator==(const PixelSpan&) const = default;
};

// Columns of the track picture copied to columns of the widget.
struct TrackPiece {
    PixelSpan picture;
    PixelSpan widget;

    bool operator==(const TrackPiece&) const = default;
};

// The track picture cut into its left end, one column left of its middle, one right of it
// and its right end. The ends are copied unscaled to the widget's ends; the two middle
// columns stretch to meet at the knob's centre, so the ends stay whole at any width.
std::array<TrackPiece, 4> trackPieces(int trackWidth, int widgetWidth, int knobCentre);

} // namespace quill
