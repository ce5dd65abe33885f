#pragma once

#include <QIcon>
#include <QPixmap>

namespace quill
{

inline constexpr int bannerWidth = 611;
inline constexpr int bannerHeight = 129;

// The title banner: the program's name in large coloured letters, drawn at the screen's
// pixel ratio so it stays sharp on scaled displays.
QPixmap drawBanner(qreal devicePixelRatio);

// The program's icon, for the window and the notification area: the installed icon's
// drawing, in every size it is rendered at.
QIcon programIcon();

} // namespace quill
