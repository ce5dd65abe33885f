#pragma once

#include <QString>

namespace quill
{

// "Quillmere V" and the program's version: the window's caption and the tray tooltip.
QString programTitle();

// The greeting above the tips.
QString welcomeText();

// Tips for using the program, shipped with it (nothing is fetched from the network).
QString tipsHtml();

} // namespace quill
