#pragma once

namespace quill::testing
{

#ifdef _WIN32
inline constexpr bool onWindows = true;
#else
inline constexpr bool onWindows = false;
#endif

} // namespace quill::testing
