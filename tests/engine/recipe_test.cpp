#include "engine/generate_options.h"
#include "engine/recipe.h"
#include "output/pdf_drawing.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

struct OptionsRow {
    const char* name;
    std::vector<std::string> options;
};

class RecipeRoundTrip : public ::testing::TestWithParam<OptionsRow>
{
};

// Options written as a recipe and read back are the same options (a part's among them), and
// writing what was read gives the same text again.
TEST_P(RecipeRoundTrip, OptionsFileOptionsAreEqual)
{
    const std::vector<std::string>& given = GetParam().options;
    const std::string text = recipeText(given);
    const std::vector<std::string> read = recipeOptions(text, "a.toml");
    GenerateOptions before = parseGenerateOptions(given), after = parseGenerateOptions(read);
    ASSERT_EQ(after.parts.size(), before.parts.size()) << text;
    for (std::size_t i = 0; i < before.parts.size(); ++i)
        EXPECT_EQ(parseGenerateOptions(after.parts[i]), parseGenerateOptions(before.parts[i]))
            << text;
    after.parts = before.parts;
    EXPECT_EQ(after, before) << text;
    EXPECT_EQ(recipeText(read), text);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RecipeRoundTrip,
    ::testing::Values(
        OptionsRow{"nothing", {}},
        OptionsRow{"oral_with_carry",
                   {"--kind", "oral", "--grade", "3", "--ops", "add,sub", "--from", "1", "--to",
                    "100", "--carry", "yes", "--count", "30"}},
        OptionsRow{"decimals",
                   {"--numbers", "decimal", "--places", "2", "--keep", "1", "--no-exact",
                    // A build without PDF refuses it as an option.
                    "--format", pdfAvailable() ? "pdf" : "docx", "--layout", "dense",
                    "--zero-end"}},
        OptionsRow{"laws", {"--kind", "laws", "--laws", "distributive,noShortcut", "--no-easy"}},
        OptionsRow{"units_and_page",
                   {"--kind=units", "--units=money,time", "--font", "楷体", "--no-borders",
                    "--answers", "--font-size", "14", "--row-height", "40", "--columns", "3"}},
        OptionsRow{"chinese_names",
                   {"--kind", "口算", "--ops", "加法,减法", "--borrow", "no", "--closeness", "80",
                    "--allow-trivial", "--cap-results", "--fill-in"}},
        OptionsRow{"last_given_wins", {"--count", "10", "--to", "50", "--count", "20"}},
        OptionsRow{"mixed_sheet",
                   {"--grade", "2", "--part", "--kind oral --count 20 --carry yes", "--part",
                    "--kind vertical --count 6 --ops add,sub"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalRow {
    const char* name;
    const char* text;
    int line;
    const char* key;
};

class RecipeRefusal : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(RecipeRefusal, NamesTheFileTheLineAndTheKey)
{
    const RefusalRow& row = GetParam();
    try {
        recipeOptions(row.text, "周一.toml");
        FAIL() << "read: " << row.text;
    } catch (const UsageError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("周一.toml"), std::string::npos) << message;
        EXPECT_NE(message.find("第" + std::to_string(row.line) + "行"), std::string::npos)
            << message;
        EXPECT_NE(message.find(std::string("“") + row.key + "”"), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RecipeRefusal,
    ::testing::Values(
        RefusalRow{"unknown_key", "kind = \"oral\"\ncount = 20\ncolour = \"red\"\n", 3, "colour"},
        RefusalRow{"not_a_recipe_key", "seed = 5\n", 1, "seed"},
        RefusalRow{"text_for_a_number", "# 三年级\ngrade = \"three\"\n", 2, "grade"},
        RefusalRow{"number_out_of_range", "kind = \"oral\"\n\ngrade = 13\n", 3, "grade"},
        RefusalRow{"negative_number", "from = -1\nto = 20\n", 1, "from"},
        RefusalRow{"unknown_kind", "kind = \"sums\"\n", 1, "kind"},
        RefusalRow{"number_for_a_switch", "count = 5\nexact = 1\n", 2, "exact"},
        RefusalRow{"numbers_in_a_list", "ops = [1, 2]\n", 1, "ops"},
        RefusalRow{"unknown_operation", "ops = [\"add\", \"pow\"]\n", 1, "ops"},
        RefusalRow{"too_many_places", "numbers = \"decimal\"\nplaces = 9\n", 2, "places"},
        RefusalRow{"bad_key_in_a_part", "grade = 2\n[[part]]\nkind = \"oral\"\ncount = \"x\"\n", 4,
                   "count"},
        RefusalRow{"unknown_key_in_a_part", "[[part]]\nkind = \"oral\"\npart = 2\n", 3, "part"},
        RefusalRow{"part_not_a_table", "part = 3\n", 1, "part"},
        RefusalRow{"too_many_columns", "kind = \"oral\"\ncolumns = 20\n", 2, "columns"},
        RefusalRow{"no_items", "count = 0\n", 1, "count"},
        RefusalRow{"too_many_items", "count = 20000\n", 1, "count"},
        RefusalRow{"rows_too_close", "row-height = 5\n", 1, "row-height"},
        RefusalRow{"range_beyond_the_largest", "to = 40000\n", 1, "to"},
        RefusalRow{"range_that_does_not_rise", "from = 50\nto = 10\n", 2, "to"},
        RefusalRow{"columns_in_a_part", "count = 30\n[[part]]\ncount = 20\ncolumns = 11\n", 4,
                   "columns"},
        RefusalRow{"control_the_kind_switches_off", "easy = true\nkind = \"oral\"\n", 1, "easy"},
        RefusalRow{"switched_off_in_the_second_part",
                   "grade = 5\n[[part]]\nkind = \"equations\"\neasy = true\n[[part]]\n"
                   "kind = \"oral\"\neasy = true\n",
                   7, "easy"}),
    [](const auto& info) { return std::string(info.param.name); });

// What is not TOML, and settings a run would refuse, are refused with the file named too.
TEST(RecipeRefusal, BrokenTomlAndImpossibleSettingsNameTheFile)
{
    const std::pair<const char*, const char*> cases[] = {
        {"kind = \"oral\"\ngrade = = 3\n", "第2行"},
        {"kind = \"oral\"\nlaws = [\"distributive\"]\neasy = true\n", "--easy"},
    };
    for (const auto& [text, detail] : cases) {
        try {
            recipeOptions(text, "b.toml");
            ADD_FAILURE() << text;
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find("b.toml"), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(detail), std::string::npos) << error.what();
        }
    }
}

TEST(RecipeText, OnlyDrawingAndPageOptionsAreWritten)
{
    for (const char* option : {"--seed", "--out", "--history", "--time-limit"})
        EXPECT_THROW(recipeText({"--kind", "oral", option, "5"}), UsageError) << option;
    for (const char* option : {"--print", "--no-save", "--help"})
        EXPECT_THROW(recipeText({option}), UsageError) << option;
}

// Options after a recipe override it, options before it are overridden.
TEST(RecipeText, OptionsAroundARecipeFileOverrideInOrder)
{
    const std::string file = ::testing::TempDir() + "/recipe_order.toml";
    {
        std::FILE* out = std::fopen(file.c_str(), "w");
        ASSERT_NE(out, nullptr);
        std::fputs("count = 30\nto = 50\n", out);
        std::fclose(out);
    }
    const GenerateOptions options =
        parseGenerateOptions(withRecipesRead({"--to", "80", "--recipe", file, "--count", "12"}));
    EXPECT_EQ(options.count, "12");
    EXPECT_EQ(options.to, "50");
    EXPECT_THROW(withRecipesRead({"--recipe", file + ".missing"}), UsageError);
}

} // namespace
} // namespace quill
