#pragma once

// Recipes: the settings a set is drawn with as a small TOML file a teacher can edit, one key
// per `generate` option named like it (kind = "oral", grade = 3, ops = ["add", "sub"],
// exact = false, …), and a [[part]] table per part of a mixed sheet. A recipe is read as the
// option list it stands for, so the options' own checks judge its values. Where a set goes,
// its seed and whether it is printed or saved are chosen each time, not in a recipe.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// The options a recipe's text stands for. Unknown keys, values of the wrong type and values
// the options refuse throw UsageError naming `source`, the line and the key.
std::vector<std::string> recipeOptions(std::string_view text, const std::string& source);

// The same for a recipe file; a file that cannot be read is refused with its name.
std::vector<std::string> recipeFileOptions(const std::filesystem::path& file);

// `args` with each `--recipe FILE` replaced by that recipe's options, so that options given
// after it override it.
std::vector<std::string> withRecipesRead(const std::vector<std::string>& args);

// The keys a recipe may hold besides [[part]], in the order a saved recipe lists them.
std::vector<std::string_view> recipeKeyNames();

// The recipe of these options: only the ones given, one key a line in a fixed order, the
// parts last. Throws UsageError for malformed options, for settings a run would refuse
// outright and for options that are no recipe's (--out, --seed, …).
std::string recipeText(const std::vector<std::string>& args);

} // namespace quill
