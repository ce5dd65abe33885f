#include "cli/recipe_command.h"

#include "base/atomic_file.h"
#include "base/printable_text.h"
#include "base/utf8.h"
#include "cli/command_line.h"
#include "engine/generate_options.h"
#include "engine/recipe.h"

#include <ostream>

namespace quill
{

namespace
{

// "kind, numbers, grade, …", a few a line.
std::string keyList()
{
    std::string text = "  ";
    std::size_t onLine = 0;
    for (const std::string_view key : recipeKeyNames()) {
        if (onLine == 8) {
            text += "\n  ";
            onLine = 0;
        }
        text += (onLine++ ? ", " : "") + std::string(key);
    }
    return text + "\n";
}

std::string recipeHelpText()
{
    return R"(用法: quillmere recipe save FILE [选项]

把出题设置写成配方文件（TOML 格式，可以用记事本修改），下次用
quillmere generate --recipe FILE 或 quillmere batch FILE 照样出题，不必每次重新设置。
选项与 quillmere generate 相同；只写给出的选项，其余用默认值。也可以先读一个配方再改几项：
quillmere recipe save 新配方.toml --recipe 旧配方.toml --count 30

配方的键与选项同名（不带 --），例如:
  kind = "oral"            --kind oral
  grade = 3                --grade 3
  ops = ["add", "sub"]     --ops add,sub
  from = 1                 --from 1
  exact = false            --no-exact
  zero-middle = true       --zero-middle
  easy = false             --no-easy
  format = "pdf"           --format pdf
全部的键:
)" + keyList() +
           R"(混合练习的每一部分写成一张 [[part]] 表（--part "选项"），表里是这一部分自己的键，如 count = 20；
表外的键是各部分共用的设置。

--out、--seed、--print、--no-save、--history、--time-limit 不写进配方，每次另给。
读配方时，不认识的键、类型不对或超出范围的值都会被拒绝，并说出文件、行和键，什么都不写。

退出码: 0 成功, 1 文件无法写入, 2 选项有误 (什么都不写)。
)";
}

int saveRecipe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args.front().starts_with("--"))
        throw UsageError("用法：quillmere recipe save FILE [选项]（quillmere recipe --help）");
    const std::vector<std::string> options =
        withRecipesRead(std::vector<std::string>(args.begin() + 1, args.end()));
    const std::string text = recipeText(options);
    const IoResult written = replaceFile(pathFromUtf8(args.front()), text);
    if (!written) {
        err << "配方没有保存：" << written.describe() << '\n';
        return exitFailed;
    }
    out << printableText(args.front()) << '\n';
    return exitOk;
}

} // namespace

int runRecipeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args.front() == "--help" || args.front() == "-h") {
        out << recipeHelpText();
        return args.empty() ? exitUsage : exitOk;
    }
    if (args.front() == "save")
        return saveRecipe({args.begin() + 1, args.end()}, out, err);
    throw UsageError("quillmere recipe 不认识“" + args.front() +
                     "”；可用：save（quillmere recipe --help）");
}

} // namespace quill
