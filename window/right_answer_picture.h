#pragma once

#include <QPixmap>

namespace quill
{

inline constexpr int rightAnswerPictureWidth = 200;
inline constexpr int rightAnswerPictureHeight = 212;

// The picture shown after a right answer: a green tick above the words 答对, painted at the
// screen's pixel ratio on a transparent ground.
QPixmap drawRightAnswerPicture(qreal devicePixelRatio);

} // namespace quill
