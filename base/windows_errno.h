#pragma once

// Only for the Windows implementations in base/.

namespace quill
{

// The C library's number for a Windows error (GetLastError), so that the reasons read the
// same as on POSIX.
int errnoOf(unsigned long error);

} // namespace quill
