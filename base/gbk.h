#pragma once

// GBK, the encoding of Chinese Windows desktops, read by the program itself: no converter
// has to be found at run time, so the command line links statically and the same code runs
// on every platform.

#include <string>
#include <string_view>

namespace quill
{

// The text as UTF-8. A byte that starts no GBK character becomes U+FFFD and reading goes on
// with the next byte, so one damaged character costs nothing else.
std::string gbkToUtf8(std::string_view bytes);

// Whether every byte belongs to a GBK character: binary data almost never does.
bool isGbkText(std::string_view bytes);

} // namespace quill
