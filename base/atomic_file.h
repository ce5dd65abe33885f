#pragma once

#include "base/io_result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quill
{

// Writes `bytes` as a new file at `path`: first to a temporary file in the same folder,
// flushed to the disk, then moved to its name. An existing file at `path` is never
// replaced (IoStatus::NameTaken), and a failure on the way never leaves a partial file behind.
IoResult writeNewFile(const std::filesystem::path& path, std::string_view bytes);

// Replaces the file at `path` (or creates it) with `bytes` the same way: the old content
// stays whole until the new file, flushed to the disk, takes its name in one rename. The
// file keeps its permissions, owner and group; where they cannot be kept it is left as it was
// (IoStatus::Refused).
IoResult replaceFile(const std::filesystem::path& path, std::string_view bytes);

// Appends `bytes` to the existing file at `path` and flushes them to the disk. Unlike the
// writes above, a crash in mid-write can leave part of them: for files whose folder cannot
// take a temporary file. On failure the file is cut back to its former size if possible.
IoResult appendToFile(const std::filesystem::path& path, std::string_view bytes);

// The name of a temporary file for `path`, with the six X's still to be made unique.
std::filesystem::path temporaryNamePattern(const std::filesystem::path& path);

// The temporary files of `path` that a killed writer may have left beside it.
bool isTemporaryOf(const std::filesystem::path& candidate, const std::filesystem::path& path);

} // namespace quill
