#pragma once

namespace quill
{

// True when a window can be shown: a display is named, or a Qt platform is chosen.
bool displayAvailable();

// What to print instead of failing when there is no display.
const char* noDisplayMessage();

} // namespace quill
