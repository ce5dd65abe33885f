#pragma once

// `quillmere batch RECIPE --days N [--start DATE] --out DIR`: a set for each of N days, each
// drawn and written as `generate` would, named by its date, without the items of the days
// before while the settings allow others.

#include <iosfwd>
#include <string>
#include <vector>

namespace quill
{

// Runs `quillmere batch …`; `args` start after `batch`. Returns the exit status.
int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quill
