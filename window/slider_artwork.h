#pragma once

#include <QPixmap>

namespace quill
{

// The pictures of the closeness slider, painted at the screen's pixel ratio so they stay
// sharp on scaled displays. The track is a rounded groove, blue up to the knob and grey
// after it; the knob picture holds its normal, pointed-at and pressed looks side by side.
QPixmap drawSliderTrack(qreal devicePixelRatio);
QPixmap drawSliderKnobs(qreal devicePixelRatio);

} // namespace quill
