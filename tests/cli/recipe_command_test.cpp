#include "cli/command_line.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quill
{
namespace
{

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result run(const std::vector<std::string>& args)
{
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runCommandLine(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// A saved recipe draws, for the same seed, exactly the set its options draw.
TEST(RecipeCommand, ASavedRecipeDrawsTheSetItsOptionsDraw)
{
    testing::TempFolder folder;
    const std::string file = testing::utf8Path(folder / "三年级.toml");
    const std::vector<std::vector<std::string>> settings = {
        {"--kind", "oral", "--grade", "5", "--ops", "add,sub", "--to", "500", "--carry", "yes"},
        {"--numbers", "decimal", "--places", "2", "--no-exact", "--count", "12"},
        {"--kind", "steps", "--steps", "4", "--count", "8"},
    };
    for (const std::vector<std::string>& options : settings) {
        const Result saved = run(with({"recipe", "save", file}, options));
        ASSERT_EQ(saved.status, exitOk) << saved.err;
        const std::vector<std::string> print = {"--print", "--answers", "--seed", "5"};
        const Result fromRecipe = run(with({"generate", "--recipe", file}, print));
        const Result fromOptions = run(with(with({"generate"}, options), print));
        ASSERT_EQ(fromRecipe.status, exitOk) << fromRecipe.err;
        EXPECT_EQ(fromRecipe.out, fromOptions.out);
    }
}

// A refused save writes nothing and leaves an earlier recipe as it was.
TEST(RecipeCommand, ARefusedSaveLeavesTheFileAsItWas)
{
    testing::TempFolder folder;
    const std::string file = testing::utf8Path(folder / "r.toml");
    ASSERT_EQ(run({"recipe", "save", file, "--count", "30"}).status, exitOk);
    const std::string before = testing::fileBytes(file);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--grade", "13"},
                                                {"--seed", "4"},
                                                {"--colour", "red"},
                                                {"--kind", "oral", "--easy"},
                                                {"--recipe", file + ".missing"}}) {
        const Result refused = run(with({"recipe", "save", file}, bad));
        EXPECT_EQ(refused.status, exitUsage) << bad.front();
        EXPECT_FALSE(refused.err.empty());
    }
    EXPECT_EQ(testing::fileBytes(file), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"r.toml"});
}

} // namespace
} // namespace quill
