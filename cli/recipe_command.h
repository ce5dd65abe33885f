#pragma once

// `quillmere recipe save FILE [options]`: the options written as a recipe file, which
// `generate --recipe` and `batch` read back (engine/recipe.h).

#include <iosfwd>
#include <string>
#include <vector>

namespace quill
{

// Runs `quillmere recipe …`; `args` start after `recipe`. Returns the exit status.
int runRecipeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quill
