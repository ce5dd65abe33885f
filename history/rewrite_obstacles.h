#pragma once

// Whether the history may be rewritten (a delete) and how a line may be added. The only
// crash-safe rewrite is a new file renamed over the old one; writing over the file in place
// leaves it mixed when the writer dies half way. Where no rename can be made, or a rename
// would do harm, a delete is refused and a save appends in place, whose worst case is a torn
// last line that the next read skips and the next save writes over.

#include "base/io_result.h"

#include <filesystem>

namespace quill
{

struct RewriteObstacles {
    bool folderClosed = false; // no new file can be made beside the history
    bool otherLinks = false;   // other names of the file would keep the old one
    bool foreignOwner = false; // the new file could not get the old one's owner and group

    bool any() const { return folderClosed || otherLinks || foreignOwner; }
};

// As this process finds them for the file at `file` (links followed); none for a file that
// does not exist yet.
RewriteObstacles rewriteObstaclesOf(const std::filesystem::path& file);

// Done when the file may be rewritten; otherwise refused, saying why, with `named` as the
// path that the user gave.
IoResult rewritePermission(const std::filesystem::path& named, const RewriteObstacles& obstacles);

} // namespace quill
